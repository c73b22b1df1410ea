#include "shell/calc.h"

namespace quorrel {

void Calc::CalBut_Click(int16_t) {}

void Calc::OKBut_Click() {}

}  // namespace quorrel
