#include "shell/calc.h"

namespace quorrel {

void Calc::LMOrder_Click(int16_t) {}

void Calc::Cap_Click(int16_t) {}

}  // namespace quorrel
