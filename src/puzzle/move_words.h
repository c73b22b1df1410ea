// The recordings a move is spoken with.
#pragma once

#include <cstdint>

namespace quorrel {

// The recording that names an operator at the full sound level ("Plus", ...); "" for none.
const char* OperatorSoundName(int16_t op);

// The results that have a recording of their own instead of being spoken in parts.
bool HasOwnRecording(int16_t result);

}  // namespace quorrel
