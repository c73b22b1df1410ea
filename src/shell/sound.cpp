#include "shell/calc.h"

namespace quorrel {

void Calc::Say(int16_t) {}

void Calc::PlaySound(const std::string&, int16_t) {}

}  // namespace quorrel
