// The game's pictures, and the files they are stored in below the program folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/element.h"

namespace quorrel {

enum class Picture : uint8_t {
    None,
    Panel,
    Board,
    Title,
    Op0,
    Op1,
    Op2,
    Op3,
    Op4,
    Op5,
    Op6,
    Op7,
    Tile,
    Icon,
    Count
};

// By Picture: the file of each picture ("" for None).
const std::vector<std::string>& CalcPictureFiles();

}  // namespace quorrel
