// Every picture the window shows is made at the inner size of the elements that hold it, so
// that it is drawn one to one; the operator discs are one pixel larger, centred on the block
// their boxes show.
#include <gtest/gtest.h>

#include <fstream>

#include "window/elements.h"
#include "window/platform.h"

namespace quorrel {
namespace {

// Width and height from a PNG's header chunk; 0 x 0 when the file is missing or not a PNG.
std::pair<int, int> PngSize(const std::string& path) {
    unsigned char h[24] = {};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(h), sizeof h);
    if (h[1] != 'P' || h[12] != 'I' || h[13] != 'H') return {0, 0};
    auto be32 = [&](int at) { return h[at] << 24 | h[at + 1] << 16 | h[at + 2] << 8 | h[at + 3]; };
    return {be32(16), be32(20)};
}

TEST(Pictures, MatchTheInnerSizeOfTheirElements) {
    Elements el;
    int checked = 0;
    for (const Element& e : el.All()) {
        if (e.picture == Picture::None) continue;
        int inset = (e.border ? 2 : 0) - (e.name == Name::Op ? 1 : 0);
        std::string file = std::string(QUORREL_SOURCE_DIR) + "/" + PictureFile(e.picture);
        EXPECT_EQ(PngSize(file), std::make_pair(e.width - inset, e.height - inset))
            << FullName(e) << " " << file;
        ++checked;
    }
    EXPECT_GE(checked, 15);
}

}  // namespace
}  // namespace quorrel
