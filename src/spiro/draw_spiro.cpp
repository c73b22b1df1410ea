#include "shell/calc.h"

namespace quorrel {

void Calc::DrawSpiro(int16_t, int16_t, int16_t) {}

}  // namespace quorrel
