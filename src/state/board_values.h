// A dealt puzzle and the move in progress, as values; the rules over them are in board/board.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorrel {

// The board's values, under the names the rest of the game gives them.
struct BoardValues {
    int16_t TargetValue = 0;
    std::string ProblemText;
    std::array<int16_t, 4> Numbers{};  // kEmptied for an emptied box
    std::array<int16_t, 4> DealtNumbers{};
    std::array<int16_t, 4> Picked{};  // kTrue for a box taken as a first number
    int16_t MoveState = 0;            // 0 awaits a first number, 1 an operator, 2 the second number
    int16_t NumbersLeft = 0;
    int16_t FirstValue = 0, FirstIndex = 0, OpChosen = 0, SecondValue = 0, ResultValue = 0;
    int16_t HintsUsed = 0;
    // The hint word offers a reset instead of a hint: a first number was chosen since the
    // last deal or reset.
    bool offers_reset = false;
};

}  // namespace quorrel
