#include <gtest/gtest.h>

#include "shell/calc.h"
#include "shell/tiling.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

TEST(TileGrid, LoopsRunPastTheRoundedCount) {
    struct Case { double w, h; int columns, rows; };
    const Case cases[] = {
        {800, 600, 9, 7},   // 63 blocks covering 900 x 700
        {750, 600, 9, 7},   // 7.5 rounds to 8
        {650, 600, 7, 7},   // 6.5 rounds to 6: 700 pixels still cover it
        {850, 600, 9, 7},   // 8.5 rounds to 8
        {1024, 768, 11, 9},
        {40, 30, 1, 1},
    };
    for (const Case& c : cases) {
        TileGrid g = ComputeTileGrid(c.w, c.h, 102, 102);
        EXPECT_EQ(g.tile_width, 100);
        EXPECT_EQ(g.columns, c.columns) << c.w;
        EXPECT_EQ(g.rows, c.rows) << c.h;
    }
    EXPECT_EQ(ComputeTileGrid(800, 600, 2, 102).columns, 0);  // no tile left inside the border
    EXPECT_EQ(ComputeTileGrid(800, 600, 0, 0).rows, 0);
}

struct TileTest : ::testing::Test {
    static std::optional<Image> FakeTile(const std::string&) { return Image(100, 100, 0xFF112233); }
    HeadlessPlatform platform{HeadlessOptions{QUORREL_SOURCE_DIR, "", 1024, 768, 15, 43200, FakeTile}};
    Calc calc{platform, 1};
    std::vector<std::string> log;
    void SetUp() override {
        calc.surface.SetLog(&log);
        platform.Move({0, 0, 800 * 15.0, 600 * 15.0});
        calc.SyncSurfaceSize();
    }
};

TEST_F(TileTest, TilesTheWholeWindowFromTheTopLeft) {
    calc.TileBackground();
    EXPECT_EQ(log, (std::vector<std::string>{"tile 63"}));
    const Image& px = calc.surface.Pixels();
    EXPECT_EQ(px.At(0, 0), 0xFF112233u);
    EXPECT_EQ(px.At(px.width - 1, px.height - 1), 0xFF112233u);
}

TEST_F(TileTest, APlainBackgroundColourDrawsNothing) {
    for (int16_t index = 1; index <= 4; ++index) {
        calc.gs.BackColorIndex = index;
        calc.TileBackground();
        calc.TileBoy_Timer();
    }
    EXPECT_TRUE(log.empty());
}

TEST(TileMissing, AMissingTileLeavesTheBackColour) {
    HeadlessPlatform platform{HeadlessOptions{"/nonexistent", "", 1024, 768, 15, 43200, nullptr}};
    Calc calc{platform, 1};
    std::vector<std::string> log;
    calc.surface.SetLog(&log);
    calc.TileBackground();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(calc.surface.Pixels().At(5, 5), PixelFromBgr(colour::kPurple));
}

TEST(StretchPicture, RecordsTheBlockToFitAndIgnoresAnEmptyOne) {
    HeadlessPlatform platform{HeadlessOptions{}};
    Calc calc{platform, 1};
    Element& op = calc.el(Name::Op, 3);
    calc.StretchPicture(op, 57, 57);
    EXPECT_EQ(op.pictureSrcWidth, 57);
    EXPECT_EQ(op.pictureSrcHeight, 57);
    calc.StretchPicture(op, 0, 10);
    EXPECT_EQ(op.pictureSrcWidth, 57);
}

}  // namespace
}  // namespace quorrel
