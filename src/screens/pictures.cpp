#include "screens/pictures.h"

namespace quorrel {

const std::vector<std::string>& CalcPictureFiles() {
    static const std::vector<std::string> files = {
        "",
        "pictures/panel.png",
        "pictures/board.png",
        "pictures/title.png",
        "pictures/op0.png",
        "pictures/op1.png",
        "pictures/op2.png",
        "pictures/op3.png",
        "pictures/op4.png",
        "pictures/op5.png",
        "pictures/op6.png",
        "pictures/op7.png",
        "pictures/tile.png",
        "pictures/icon.png",
    };
    return files;
}

}  // namespace quorrel
