// The keyboard: a focus that walks the actionable elements of the topmost panel, keys that
// click what they name, and the voice naming what the focus reaches. Every key that acts does
// so through the click handler of an element, so a key obeys the click lock as a click does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/calc.h"

namespace quorrel {

// What a run of digit keys has typed so far on the board, for a result of two digits.
struct TypedDigits {
    std::string text;
    uint64_t last_ms = 0;
};

// What a key asks for, decided at once and done afterwards by Run, as the click (or other step)
// it stands for. A key asks for one thing at most.
class KeyActions {
  public:
    void Click(int element_id) { click_ = element_id; }
    void FormClick() { form_click_ = true; }
    // The voice names the element the focus has reached.
    void Speak(int element_id) { speak_ = element_id; }
    // The figure on show saved, when there is one.
    void Save() { save_ = true; }
    // The window laid out again after a change of its state.
    void Resize() { resize_ = true; }
    void Zoom(ZoomRequest request) { zoom_ = request; }
    Step Run(Calc& calc, GameHooks& hooks);

  private:
    int click_ = -1, speak_ = -1;
    bool form_click_ = false, save_ = false, resize_ = false;
    std::optional<ZoomRequest> zoom_;
};

void Key_Down(Calc& calc, KeyActions& hooks, TypedDigits& typed, const InputEvent& key);

// Ctrl with plus (or =), minus, 0 or F: the zoom in, out, back to the desktop's scale, or fitted
// to the window, on every screen. False for any other key.
bool ZoomKey(KeyActions& hooks, const InputEvent& key);

}  // namespace quorrel
