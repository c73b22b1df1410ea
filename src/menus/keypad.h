// The maker's on-screen keypad: a value is typed into LMOrder(EditIndex) and the OK key
// accepts it and draws.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorrel {

class Calc;

// The keys CalBut(0..14): 0..9 the digits, 10 the decimal point, then these.
enum KeypadKey : int16_t {
    kPointKey = 10,
    kOkKey = 11,
    kCancelKey = 12,
    kClearKey = 13,
    kBackspaceKey = 14,
};

// The longest caption the keys build; a key beyond it beeps and is ignored, so a caption never
// grows without limit (12 characters hold any value the drawing can take, with room to spare).
constexpr size_t kMaxTypedLength = 12;

// Opens the keypad on the value box LMOrder(index) (0 order, 1 angle, 2 left turns): the box
// turns white and empty, its old caption is kept for a refusal or Cancel. Beeps instead when a
// value is already being typed.
void StartTyping(Calc& calc, int16_t index);

}  // namespace quorrel
