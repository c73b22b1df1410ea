// The window's drawing surface keeps no pixels while it shows only its back colour and tiles:
// whatever mix of sizes, clears, tilings and lines comes, it must show what a plain image given
// the same operations shows, and say it changed whenever a pixel did.
#include "window/surface.h"

#include <gtest/gtest.h>

#include <random>

namespace quorrel {
namespace {

Image Noise(int w, int h, unsigned seed) {
    std::minstd_rand rng(seed);
    Image image(w, h);
    for (uint32_t& p : image.pixels) p = 0xFF000000u | (rng() & 0xFFFFFF);
    return image;
}

// The same operations on one plain image.
struct Reference {
    Image image;
    void Resize(int w, int h, uint32_t back) {
        if (w == image.width && h == image.height) return;
        Image resized(w, h, PixelFromBgr(back));
        CopyBlock(resized, 0, 0, image, 0, 0, image.width, image.height);
        image = std::move(resized);
    }
    void Tile(const Image& tile, int w, int h, int columns, int rows) {
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                CopyBlock(image, i * w, j * h, tile, 0, 0, std::min(w, tile.width),
                          std::min(h, tile.height));
    }
};

TEST(WindowSurface, ShowsWhatAPlainImageShowsAfterAnyOperations) {
    const Image tiles[] = {Noise(7, 5, 1), Noise(4, 9, 2)};
    const uint32_t backs[] = {0x800080, 0x00FFFF};
    for (unsigned seed = 0; seed < 400; ++seed) {
        std::minstd_rand rng(seed);
        auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        WindowSurface surface;
        Reference ref;
        std::string done;
        for (int step = 0; step < 12; ++step) {
            const Image before = ref.image;
            const unsigned version = surface.Version();
            const uint32_t back = backs[pick(2)];
            switch (pick(5)) {
                case 0: {
                    int w = pick(30), h = pick(25);
                    surface.Resize(w, h, back);
                    ref.Resize(w, h, back);
                    done += " resize";
                    break;
                }
                case 1:
                    surface.Clear(back);
                    std::fill(ref.image.pixels.begin(), ref.image.pixels.end(), PixelFromBgr(back));
                    done += " clear";
                    break;
                case 2:
                case 3: {
                    // Blocks up to the tile's size and past it, in grids short of the surface
                    // and past it.
                    const Image& tile = tiles[pick(2)];
                    int w = 1 + pick(tile.width + 1), h = 1 + pick(tile.height + 1);
                    int columns = pick(9), rows = pick(9);
                    surface.Tile(tile, w, h, columns, rows);
                    ref.Tile(tile, w, h, columns, rows);
                    done += " tile";
                    break;
                }
                case 4: {
                    double x1 = pick(40) - 5, y1 = pick(30) - 5, x2 = pick(40) - 5;
                    double y2 = pick(30) - 5;
                    int width = 1 + pick(3);
                    surface.Line(x1, y1, x2, y2, width, back);
                    DrawLine(ref.image, x1, y1, x2, y2, width, PixelFromBgr(back));
                    done += " line";
                    break;
                }
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ":" + done);
            const Image shown = surface.Pixels();
            ASSERT_EQ(surface.Width(), ref.image.width);
            ASSERT_EQ(surface.Height(), ref.image.height);
            ASSERT_EQ(shown.pixels, ref.image.pixels);
            if (ref.image.pixels != before.pixels) {
                ASSERT_NE(surface.Version(), version);
            }
            // Composed into a smaller frame with longer rows: the same pixels, nothing past them.
            const int fw = std::max(shown.width - 3, 0), fh = std::max(shown.height - 2, 0);
            const size_t stride = static_cast<size_t>(fw) + 5;
            std::vector<uint32_t> frame(stride * static_cast<size_t>(fh) + 1, 1);
            surface.PaintInto(PixelView(frame.data(), fw, fh, stride));
            for (int y = 0; y < fh; ++y) {
                const uint32_t* row = frame.data() + y * stride;
                ASSERT_TRUE(std::equal(row, row + fw, shown.pixels.data() + y * shown.width)) << y;
                ASSERT_EQ(row[fw], 1u);
            }
        }
    }
}

// The background timer lays the same tiles again and again: a repeat changes nothing, so no
// frame is composed for it, before a figure is drawn and after tiles cover the figure again.
TEST(WindowSurface, TheSameTilingAgainIsNoChange) {
    const Image tile = Noise(6, 6, 3);
    WindowSurface surface;
    surface.Resize(40, 30, 0x800080);
    for (bool drawn : {false, true}) {
        if (drawn) surface.Line(1, 1, 30, 20, 2, 0xFF);
        const unsigned lined = surface.Version();
        surface.Tile(tile, 6, 6, 8, 6);
        if (drawn) {
            EXPECT_NE(surface.Version(), lined);  // the tiles cover the line
        }
        EXPECT_TRUE(surface.Figure().empty());
        const unsigned version = surface.Version();
        surface.Tile(tile, 6, 6, 8, 6);
        EXPECT_EQ(surface.Version(), version) << drawn;
    }
}

// A figure of endless long, thick segments stops being drawn once its work passes the bound,
// and the next figure (after a clear) is drawn in full again.
TEST(WindowSurface, AFiguresWorkIsBounded) {
    WindowSurface surface;
    surface.Resize(100, 100, 0);
    surface.SetWorkBound(10000);
    for (int round = 0; round < 2; ++round) {
        surface.Clear(0);
        for (int i = 0; i < 20; ++i) surface.Line(0, i * 5, 99, i * 5, 7, 0xFF);
        EXPECT_GT(surface.Figure().size(), 2u);
        EXPECT_LT(surface.Figure().size(), 20u);
        EXPECT_EQ(surface.Pixels().At(50, 95), PixelFromBgr(0));
    }
}

}  // namespace
}  // namespace quorrel
