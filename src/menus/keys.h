// The keyboard: a focus that walks the actionable elements of the topmost panel, keys that
// click what they name, and the voice naming what the focus reaches. Every key that acts does
// so through the click handler of an element, so a key obeys the click lock as a click does.
#pragma once

#include <cstdint>
#include <string>

#include "menus/typing.h"
#include "shell/calc.h"

namespace quorrel {

void Key_Down(Calc& calc, GameHooks& hooks, TypedDigits& typed, const InputEvent& key);

// Ctrl with plus (or =), minus, 0 or F: the zoom in, out, back to the desktop's scale, or fitted
// to the window, on every screen. False for any other key.
bool ZoomKey(Calc& calc, const InputEvent& key);

}  // namespace quorrel
