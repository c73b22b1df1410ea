// The arithmetic of a move and the reward an answer earns, kept apart from the window so that
// every rule can be tried on its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quorrel {

// Operator indices as the circles Op(0..3) carry them.
enum MoveOperator : int16_t { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3 };

// Why the board turns a number or an operator down; the last four are the arithmetic's.
enum class Refusal : uint8_t {
    None,
    EmptiedBox,
    PickedBox,              // the first number of the move, chosen again
    OperatorExpected,       // a number while the move waits for its operator
    NumberExpected,         // an operator before the move's first number
    OperatorAlreadyChosen,  // a move's operator cannot be changed
    DivisionByZero,
    FractionalQuotient,
    OutOfRange,  // would not fit the 16-bit box, or would read as an emptied box
    UnknownOperator,
};

struct Combination {
    Refusal refusal = Refusal::None;
    int16_t result = 0;  // when not refused
    // A division's single-precision quotient, worked out whether or not it is accepted; the
    // other operators (and a division by zero) leave it out.
    std::optional<float> quotient;
};

// first (op) second.
Combination Combine(int16_t op, int16_t first, int16_t second);

// Whether a correct answer earns a figure: always without hints, and with hints only early in
// the session (solved_count counts this answer).
bool RewardDue(int16_t hints_used, int32_t solved_count);

// The figure drawn for a puzzle, from its numbers as dealt.
struct RewardFigure {
    int16_t order = 0, angle = 0, left_turns = 0;
};
RewardFigure RewardFigureFor(const std::array<int16_t, 4>& dealt);

}  // namespace quorrel
