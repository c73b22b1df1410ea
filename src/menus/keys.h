// The keyboard: a focus that walks the actionable elements of the topmost panel, keys that
// click what they name, and the voice naming what the focus reaches. Every key that acts does
// so through the click handler of an element, so a key obeys the click lock as a click does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "menus/typing.h"
#include "shell/calc.h"

namespace quorrel {

// What a key asks for, decided at once and done afterwards by Run, in order, as the clicks (or
// other steps) it stands for.
class KeyActions {
  public:
    void Click(int element_id) { Add(Action::Kind::Click, element_id); }
    void FormClick() { Add(Action::Kind::FormClick); }
    // The voice names the element the focus has reached.
    void Speak(int element_id) { Add(Action::Kind::Speak, element_id); }
    // The figure on show saved, when there is one.
    void Save() { Add(Action::Kind::Save); }
    // The window laid out again after a change of its state.
    void Resize() { Add(Action::Kind::Resize); }
    void Zoom(ZoomRequest request) { Add(Action::Kind::Zoom, static_cast<int>(request)); }
    // A number held for a further digit picked now; a digit typed on the board.
    void PickHeldDigits() { Add(Action::Kind::PickHeldDigits); }
    void TypeDigit(char digit) { Add(Action::Kind::TypeDigit, digit); }
    Step Run(Calc& calc, GameHooks& hooks, TypedDigits& typed);

  private:
    struct Action {
        enum class Kind : uint8_t {
            Click,
            FormClick,
            Speak,
            Save,
            Resize,
            Zoom,
            PickHeldDigits,
            TypeDigit
        } kind;
        int value = 0;
    };
    void Add(Action::Kind kind, int value = 0) { actions_.push_back({kind, value}); }
    std::vector<Action> actions_;
};

void Key_Down(Calc& calc, KeyActions& hooks, TypedDigits& typed, const InputEvent& key);

// Ctrl with plus (or =), minus, 0 or F: the zoom in, out, back to the desktop's scale, or fitted
// to the window, on every screen. False for any other key.
bool ZoomKey(KeyActions& hooks, const InputEvent& key);

}  // namespace quorrel
