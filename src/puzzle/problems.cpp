#include "shell/calc.h"

namespace quorrel {

void Calc::LoadProblems() {}

void Calc::SetUpPuzzle(int16_t) {}

}  // namespace quorrel
