// Numbers picked on the board by their digits. A typed digit picks the number it spells at
// once, unless a longer number on the board starts with it: then it is held until the next
// digit shows which one is meant (1 then 4 reaches a 14 beside a 1), another key is pressed,
// or the typing gap passes.
#pragma once

#include <cstdint>
#include <string>

#include "shell/calc.h"

namespace quorrel {

struct TypedDigits {
    std::string text;  // the digits typed so far
    uint64_t last_ms = 0;
    int held = -1;  // the box showing `text`, waiting to see whether the digits go on
};

// A digit typed on the board: picks a number or holds it; nothing when no number on the board
// starts with what was typed.
Step TypeDigit(Calc& calc, GameHooks& hooks, TypedDigits& typed, char digit);

// Picks the held number if the board still shows it there, and forgets the typed digits.
Step PickHeldDigits(Calc& calc, GameHooks& hooks, TypedDigits& typed);

// Forgets the typed digits without picking (a click chose something else).
void ForgetTypedDigits(Calc& calc, TypedDigits& typed);

}  // namespace quorrel
