#include "shell/calc.h"

namespace quorrel {

void Calc::Target_Click(int16_t) {}

void Calc::Diff_Click(int16_t) {}

void Calc::Snd_Click(int16_t) {}

void Calc::Rew_Click(int16_t) {}

void Calc::BackColorSet_Click() {}

}  // namespace quorrel
