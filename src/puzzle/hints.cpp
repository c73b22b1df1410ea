#include "shell/calc.h"

namespace quorrel {

void Calc::HintWord() {}

}  // namespace quorrel
