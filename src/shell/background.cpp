#include "shell/calc.h"

namespace quorrel {

void Calc::TileBackground() {}

void Calc::TileBoy_Timer() { TileBackground(); }

void Calc::StretchPicture(Element&, int16_t, int16_t) {}

}  // namespace quorrel
