#include "shell/calc.h"

namespace quorrel {

void Calc::But_Click(int16_t) {}

void Calc::Form_Click() {}

}  // namespace quorrel
