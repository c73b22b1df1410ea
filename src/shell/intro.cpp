#include "shell/calc.h"

namespace quorrel {

void Calc::FirstUp_Timer() {}

void Calc::LastUp_Timer() { loop.RequestClose(); }

}  // namespace quorrel
