// The arithmetic of a move and the numbers an answer turns into, kept apart from the window so
// that every rule can be tried on its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quorrel {

// Operator indices as the circles Op(0..3) carry them.
enum MoveOperator : int16_t { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3 };

// first (op) second. The quotient of a division is worked out in single precision and left in
// quotient, whether or not it is accepted. No value when the move is not allowed: a fractional
// quotient, a division by zero, an unknown operator, or a result that would not fit the 16-bit
// box or would read as an emptied box.
std::optional<int16_t> CombineNumbers(int16_t op, int16_t first, int16_t second, float& quotient);

// The recording that names an operator at the full sound level ("Plus", ...); "" for none.
const char* OperatorSoundName(int16_t op);

// The results that have a recording of their own instead of being spoken in parts.
bool HasOwnRecording(int16_t result);

// Whether a correct answer earns a figure: always without hints, and with hints only early in
// the session (solved_count counts this answer).
bool RewardDue(int16_t hints_used, int32_t solved_count);

// The figure drawn for a puzzle, from its numbers as dealt.
struct RewardFigure {
    int16_t order = 0, angle = 0, left_turns = 0;
};
RewardFigure RewardFigureFor(const std::array<int16_t, 4>& dealt);

}  // namespace quorrel
