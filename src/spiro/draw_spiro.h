// Drawing a spirolateral into the window, segment by segment.
#pragma once

#include <cstdint>

#include "window/step.h"

namespace quorrel {

class Calc;

// Draws the figure, letting the window's events run after every segment. A call made while a
// drawing is in progress (from one of those events) replaces that drawing.
Step DrawSpiro(Calc& calc, int16_t Order, int16_t Angle, int16_t LeftTurns);

}  // namespace quorrel
