#include "puzzle/move_words.h"

#include "board/move_math.h"

namespace quorrel {

const char* OperatorSoundName(int16_t op) {
    switch (op) {
        case kAdd:
            return "Plus";
        case kSubtract:
            return "Minus";
        case kMultiply:
            return "Times";
        case kDivide:
            return "Divide";
        default:
            return "";
    }
}

bool HasOwnRecording(int16_t result) {
    return result == 24 || result == 36 || result == 42 || result == 48;
}

}  // namespace quorrel
