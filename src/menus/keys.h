// The keyboard: a focus that walks the actionable elements of the topmost panel, keys that
// click what they name, and the voice naming what the focus reaches. Every key that acts does
// so through the click handler of an element, so a key obeys the click lock as a click does.
#pragma once

#include <cstdint>
#include <string>

#include "shell/calc.h"

namespace quorrel {

// What a run of digit keys has typed so far on the board, for a result of two digits.
struct TypedDigits {
    std::string text;
    uint64_t last_ms = 0;
};

void Key_Down(Calc& calc, GameHooks& hooks, TypedDigits& typed, const InputEvent& key);

// Ctrl with plus (or =), minus, 0 or F: the zoom in, out, back to the desktop's scale, or fitted
// to the window, on every screen. False for any other key.
bool ZoomKey(Calc& calc, const InputEvent& key);

}  // namespace quorrel
