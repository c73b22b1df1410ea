#include "shell/calc.h"

namespace quorrel {

void Calc::Form_Resize() {}

}  // namespace quorrel
