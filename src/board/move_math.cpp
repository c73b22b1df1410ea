#include "board/move_math.h"

#include <cmath>
#include <limits>

#include "state/convert.h"
#include "state/game_state.h"

namespace quorrel {

Combination Combine(int16_t op, int16_t first, int16_t second) {
    Combination out;
    int32_t result = 0;
    switch (op) {
        case kAdd:
            result = int32_t{first} + second;
            break;
        case kSubtract:
            result = int32_t{first} - second;
            break;
        case kMultiply:
            result = int32_t{first} * second;
            break;
        case kDivide: {
            if (second == 0) {
                out.refusal = Refusal::DivisionByZero;
                return out;
            }
            float quotient = static_cast<float>(first) / static_cast<float>(second);
            out.quotient = quotient;
            if (std::floor(quotient) != quotient) {
                out.refusal = Refusal::FractionalQuotient;
                return out;
            }
            result = static_cast<int32_t>(quotient);
            break;
        }
        default:
            out.refusal = Refusal::UnknownOperator;
            return out;
    }
    // Digits combined three times stay far inside these bounds; anything else was never dealt.
    if (result < std::numeric_limits<int16_t>::min() ||
        result > std::numeric_limits<int16_t>::max() || result == kEmptied)
        out.refusal = Refusal::OutOfRange;
    else
        out.result = static_cast<int16_t>(result);
    return out;
}

bool RewardDue(int16_t hints_used, int32_t solved_count) {
    switch (hints_used) {
        case 0:
            return true;
        case 1:
            return solved_count < 11;
        case 2:
            return solved_count < 7;
        case 3:
            return solved_count < 3;
        default:
            return false;
    }
}

RewardFigure RewardFigureFor(const std::array<int16_t, 4>& dealt) {
    // Worked out wide and saturated: dealt numbers are digits, but an empty deal holds -999s.
    RewardFigure figure;
    figure.order = RoundToInt16(static_cast<double>(dealt[0]) + 3.0 * dealt[1] + 4.0);
    figure.angle = RoundToInt16(9.0 * dealt[2]);
    figure.left_turns = dealt[3];
    return figure;
}

}  // namespace quorrel
