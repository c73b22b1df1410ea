#include "window/image.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorrel {
namespace {

constexpr uint32_t kInk = 0xFFFFFFFF, kPaper = 0xFF000000;

int InkCount(const Image& image) {
    int n = 0;
    for (uint32_t p : image.pixels) n += p == kInk;
    return n;
}

TEST(CopyBlock, ClipsAgainstBothImages) {
    struct Case { int dx, dy, sx, sy, w, h, copied; };
    const Case cases[] = {
        {0, 0, 0, 0, 4, 4, 16},     {8, 8, 0, 0, 4, 4, 4},   // past the bottom-right corner
        {-2, -2, 0, 0, 4, 4, 4},    {0, 0, -3, 0, 4, 4, 4},  // left of either image
        {0, 0, 2, 2, 4, 4, 4},      {20, 0, 0, 0, 4, 4, 0},  // wholly outside
        {0, 0, 0, 0, -1, 4, 0},     {0, 0, 0, 0, 100, 100, 16},
    };
    Image src(4, 4, kInk);
    for (const Case& c : cases) {
        Image dst(10, 10, kPaper);
        CopyBlock(dst, c.dx, c.dy, src, c.sx, c.sy, c.w, c.h);
        EXPECT_EQ(InkCount(dst), c.copied) << c.dx << "," << c.dy << " from " << c.sx << "," << c.sy;
    }
}

TEST(DrawLine, PenWidthIsTheStrokeAcross) {
    for (int width : {1, 2, 3, 5, 7}) {
        Image image(40, 40, kPaper);
        DrawLine(image, 20, 5, 20, 30, width, kInk);  // vertical: count the pixels across row 15
        int across = 0;
        for (int x = 0; x < 40; ++x) across += image.At(x, 15) == kInk;
        EXPECT_EQ(across, width);
        EXPECT_EQ(image.At(20, 5), kInk);  // round ends reach the end points
        EXPECT_EQ(image.At(20, 30), kInk);
    }
}

TEST(DrawLine, IgnoresCoordinatesThatAreNotFinite) {
    Image image(10, 10, kPaper);
    DrawLine(image, std::numeric_limits<double>::quiet_NaN(), 0, 5, 5, 2, kInk);
    DrawLine(image, 0, 0, std::numeric_limits<double>::infinity(), 5, 2, kInk);
    EXPECT_EQ(InkCount(image), 0);
    DrawLine(image, -1e9, 5, 1e9, 5, 1, kInk);  // huge but finite: clipped, still drawn
    EXPECT_EQ(InkCount(image), 10);
}

}  // namespace
}  // namespace quorrel
