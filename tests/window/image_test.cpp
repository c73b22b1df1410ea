// The drawing primitives: pen widths, and clipping on any surface.
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

// Thick lines are filled row by row, not stamped pen by pen: the pixels must stay exactly those
// the stamping gave (its digest below), for lines in every direction, across every edge.
TEST(DrawLine, LinesLookAsTheyAlwaysDid) {
    Image image(160, 120, kPaper);
    uint32_t seed = 7;
    auto next = [&](int range) {
        return static_cast<int>((seed = seed * 1103515245u + 12345u) >> 8) % range;
    };
    for (int i = 0; i < 600; ++i)
        DrawLine(image, next(240) - 40 + next(10) / 10.0, next(200) - 40, next(240) - 40,
                 next(200) - 40, 1 + next(14),
                 0xFF000000u | static_cast<uint32_t>(i * 2654435761u));
    uint64_t digest = 1469598103934665603u;
    for (uint32_t p : image.pixels) digest = (digest ^ p) * 1099511628211u;
    EXPECT_EQ(digest, 16288527156043712851u);
}

TEST(DrawLine, IgnoresCoordinatesThatAreNotFinite) {
    Image image(10, 10, kPaper);
    DrawLine(image, std::numeric_limits<double>::quiet_NaN(), 0, 5, 5, 2, kInk);
    DrawLine(image, 0, 0, std::numeric_limits<double>::infinity(), 5, 2, kInk);
    EXPECT_EQ(InkCount(image), 0);
    DrawLine(image, -1e9, 5, 1e9, 5, 1, kInk);  // huge but finite: clipped, still drawn
    EXPECT_EQ(InkCount(image), 10);
}

// Every primitive on surfaces of 0 to 3 pixels a side, with shapes across each edge: the
// sanitizers catch any pixel reached outside, the counts catch clipping that loses pixels.
TEST(Primitives, ClipToTinySurfaces) {
    constexpr int kFar = std::numeric_limits<int>::max();
    for (int w = 0; w <= 3; ++w)
        for (int h = 0; h <= 3; ++h) {
            struct Fill {
                int x, y, w, h, inked;
            };
            const Fill fills[] = {
                {-1, 0, 2, h, h * std::min(w, 1)},
                {w - 1, 0, 2, h, w ? h : 0},  // left, right
                {0, -1, w, 2, w * std::min(h, 1)},
                {0, h - 1, w, 2, h ? w : 0},  // top, bottom
                {-kFar, -kFar, kFar, kFar, 0},
                {kFar, kFar, kFar, kFar, 0},
                {-2, -2, 8, 8, w * h},
            };
            for (const Fill& f : fills) {
                Image image(w, h, kPaper);
                FillRect(image, f.x, f.y, f.w, f.h, kInk);
                EXPECT_EQ(InkCount(image), f.inked) << w << "x" << h << " at " << f.x << "," << f.y;
            }
            Image image(w, h, kPaper), tile(2, 2, kInk);
            for (int pen = 1; pen <= 7; ++pen)
                for (double e : {-1.0, 0.0, double(w), double(w) - 1, double(h), double(h) - 1}) {
                    DrawLine(image, e, -5, e, h + 5, pen, kInk);  // across each edge
                    DrawLine(image, -5, e, w + 5, e, pen, kInk);
                    DrawLine(image, e, e, e, e, pen, kInk);  // a lone stamp on a corner
                }
            for (int at : {-1, w - 1, h - 1}) {
                CopyBlock(image, at, at, tile, 0, 0, 2, 2);
                StretchBlock(image, {at, at, 3, 3}, tile, {0, 0, 2, 2}, {-1, -1, 5, 5});
                BlendImage(image, at, -at, tile, {0, 0, w, h});
            }
            EXPECT_EQ(image.pixels.size(), static_cast<size_t>(w * h));
            EXPECT_EQ(InkCount(image), w * h) << w << "x" << h << ": every pixel lies on an edge";
        }
}

// The box filter keeps every footprint's mean: a 2:1 checkerboard turns grey, a flat colour stays
// flat to the edges at uneven ratios either way, and a clear pixel halves alpha, not colour.
TEST(ResizeArea, KeepsTheMeanOfEveryFootprint) {
    Image checker(8, 6), flat(7, 5, 0xFF336699), half(2, 1, 0);
    for (int i = 0; i < 48; ++i) checker.pixels[i] = (i % 8 + i / 8) % 2 ? kInk : kPaper;
    half.At(0, 0) = 0xFFFF0000;
    auto every = [](const Image& src, int w, int h, uint32_t pixel) {
        EXPECT_EQ(ResizeArea(src, w, h).pixels, std::vector<uint32_t>(w * h, pixel)) << w << h;
    };
    every(checker, 4, 3, 0xFF808080);
    every(flat, 3, 2, 0xFF336699);
    every(flat, 10, 9, 0xFF336699);
    every(half, 1, 1, 0x80FF0000);
    EXPECT_TRUE(ResizeArea(flat, 0, 3).Empty() && ResizeArea(Image(), 3, 3).Empty());
}

}  // namespace
}  // namespace quorrel
