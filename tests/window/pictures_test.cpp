// Every picture the window shows is made at the inner size of the elements that hold it, so
// that it is drawn one to one; the operator discs are one pixel larger, centred on the block
// their boxes show. Each is made again at two and three times that size for scaled windows.
#include "screens/pictures.h"

#include <gtest/gtest.h>

#include <fstream>

#include "screens/calc_elements.h"
#include "window/elements.h"
#include "window/picture_cache.h"
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
    Elements el{CalcElementTable()};
    int checked = 0;
    for (const Element& e : el.All()) {
        if (e.picture == Picture::None) continue;
        int inset = (e.border ? 2 : 0) - (e.name == Name::Op ? 1 : 0);
        for (int k = 1; k <= PictureCache::kArtScales; ++k)
            EXPECT_EQ(
                PngSize(std::string(QUORREL_SOURCE_DIR) + "/" +
                        PictureArtFile(CalcPictureFiles()[static_cast<size_t>(e.picture)], k)),
                std::make_pair(k * (e.width - inset), k * (e.height - inset)))
                << el.FullName(e) << " at " << k << "x";
        ++checked;
    }
    EXPECT_GE(checked, 15);
}

// A size is made from the smallest art at least as large, else from the largest there is, and
// larger art is read only when a size needs it. Each scale's stand-in art has its own colour.
TEST(PictureCache, MakesEachSizeFromTheNearestArtAtOrAbove) {
    for (bool large_art : {true, false}) {
        int reads = 0;
        PictureCache cache(
            QUORREL_SOURCE_DIR,
            [&](const std::string& path) -> std::optional<Image> {
                int k = path.find("@2x") != path.npos ? 2 : path.find("@3x") != path.npos ? 3 : 1;
                if (k > 1 && !large_art) return std::nullopt;
                return ++reads, Image(58 * k, 58 * k, 0xFF000000u | k);
            },
            CalcPictureFiles());
        const int cases[][2] = {{58, 1}, {40, 1}, {59, 2}, {116, 2}, {150, 3}, {300, 3}};
        for (const auto& [size, scale] : cases) {  // the art used for a size, and read by then
            const Image* image = cache.GetSized(Picture::Op0, size, size);
            ASSERT_TRUE(image && image->width == size && image->height == size);
            EXPECT_EQ(image->At(size - 1, size - 1), 0xFF000000u | (large_art ? scale : 1)) << size;
            EXPECT_EQ(reads, large_art ? scale : 1);
        }
        EXPECT_EQ(cache.GetSized(Picture::Op0, 58, 58), cache.Get(Picture::Op0));
        for (int bad : {0, -3, 1 << 20}) EXPECT_FALSE(cache.GetSized(Picture::Op0, 5, bad));
    }
}

}  // namespace
}  // namespace quorrel
