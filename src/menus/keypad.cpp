// The value keypad of the maker panel. The typed text is the value: it stays in the box as
// typed and is read as a number only when the figure is drawn.
#include "menus/keypad.h"

#include "menus/menus.h"
#include "shell/calc.h"
#include "spiro/maker.h"

namespace quorrel {
namespace {

constexpr char kKeyCharacters[] = "0123456789.";

// The box being typed; EditIndex only ever holds 0..2, but a stray value falls back to the
// first box rather than reaching for one that does not exist.
int16_t EditedBox(const KeypadEdit& keypad) {
    return keypad.EditIndex >= 0 && keypad.EditIndex <= 2 ? keypad.EditIndex : 0;
}

void ShowText(Calc& calc, int16_t box) {
    calc.el(Name::LMOrder, box).caption = calc.gs.MakerText[static_cast<size_t>(box)];
}

}  // namespace

void StartTyping(Calc& calc, int16_t index) {
    if (index < 0 || index > 2) return;
    KeypadEdit& keypad = calc.gs;
    // Checked before EditIndex moves: the box being typed must stay the one the keys edit.
    if (keypad.KeypadOpen) {
        calc.platform.Beep();
        return;
    }
    keypad.EditIndex = index;
    keypad.KeypadOpen = kTrue;
    // TRANSLATORS: the maker's prompt while its keypad is open (201 x 35 px, 12 pt, one line).
    calc.el(Name::Label12).caption = N_("Set a value then click OK");
    calc.SetOverlay(Overlay::Keypad, true);
    calc.el(Name::LMOrder, index).back = colour::kWhite;
    std::string& text = keypad.MakerText[static_cast<size_t>(index)];
    keypad.EditOldValue = text;
    text.clear();
    ShowText(calc, index);
}

Step CalBut_Click(Calc& calc, int16_t Index) {
    KeypadEdit& keypad = calc.gs;
    const int16_t box = EditedBox(keypad);
    std::string& text = keypad.MakerText[static_cast<size_t>(box)];
    if (Index >= 0 && Index <= kPointKey) {
        if (text.size() >= kMaxTypedLength) {
            calc.platform.Beep();
            co_return;
        }
        text += kKeyCharacters[Index];
    } else if (Index == kClearKey) {
        text.clear();
    } else if (Index == kBackspaceKey) {
        if (!text.empty()) text.pop_back();  // an empty box stays empty
    } else if (Index == kOkKey || Index == kCancelKey) {
        // Also the way other actions accept the values and draw (entering the maker, the
        // notice's OK, Back Color): without typing in progress the box typed last holds an
        // accepted text, which stands, and only the keypad is hidden and the figure drawn.
        keypad.KeypadOpen = kFalse;
        if (Index == kCancelKey || !AcceptableMakerValue(text)) text = keypad.EditOldValue;
        calc.el(Name::LMOrder, box).back = colour::kYellow;
        ShowText(calc, box);
        calc.SetOverlay(Overlay::Keypad, false);
        co_await But_Click(calc, kWordDraw);
        co_return;
    }
    ShowText(calc, box);
    // The keys are clicked with the mouse and the window model has no keyboard focus, so there
    // is nothing to hand back to the maker panel after a key.
}

Step OKBut_Click(Calc& calc) {
    calc.SetOverlay(Overlay::MakerNotice, false);
    co_await CalBut_Click(calc, kOkKey);
}

}  // namespace quorrel
