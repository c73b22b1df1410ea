// The software renderer, checked at pixel probes: yellow number boxes with their numbers in
// the middle, a bordered box's black frame, a line of the about box.
#include <gtest/gtest.h>

#include "driver.h"
#include "platform/sdl/media/sdl_text.h"
#include "window/render/renderer.h"

namespace quorrel {
namespace {

TEST(Render, BoxesBordersLinesAndCentredNumbers) {
    DriverOptions options;
    options.app_folder = QUORREL_BUILD_DIR;
    options.seed = 7;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    Elements& el = driver.calc()->el;
    el(Name::First).visible = false;  // the title panel stands over the board until the intro
    el(Name::Floater).visible = true;
    driver.platform().SetText(std::make_shared<SdlTextRasteriser>());
    const WindowSurface& surface = driver.calc()->surface;
    Image f(surface.Width(), surface.Height());
    Renderer().Render(el, surface, driver.platform(), f);
    // The same frame composed in pixels lent by a window, whose rows are longer than the frame.
    const size_t stride = static_cast<size_t>(f.width) + 13;
    std::vector<uint32_t> lent(stride * static_cast<size_t>(f.height) + 13, 0x12345678);
    Renderer().Render(el, surface, driver.platform(),
                      PixelView(lent.data(), f.width, f.height, stride));
    for (int y = 0; y < f.height; ++y) {
        const uint32_t* row = lent.data() + y * stride;
        ASSERT_TRUE(std::equal(row, row + f.width, f.pixels.data() + y * f.width)) << y;
        ASSERT_EQ(row[f.width], 0x12345678u) << y;
    }
    auto at = [&](Name name, int index, int dx, int dy) {
        int x, y;
        const Element& e = el(name, index);
        el.WindowPosition(e, x, y);
        return f.At(x + (dx < 0 ? e.width + dx : dx), y + (dy < 0 ? e.height + dy : dy));
    };
    auto black = [](uint32_t p) {
        return (p >> 16 & 0xFF) < 60 && (p >> 8 & 0xFF) < 60 && (p & 0xFF) < 60;
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(at(Name::Dig, i, 3, 3), PixelFromBgr(colour::kYellow)) << i;
        EXPECT_EQ(at(Name::Dig, i, -4, -4), PixelFromBgr(colour::kYellow)) << i;
        // The ink of the number: a 24-point figure in the middle of its box.
        const Element& dig = el(Name::Dig, i);
        int left = dig.width, right = -1, rows = 0;
        for (int y = 0; y < dig.height; ++y) {
            bool ink = false;
            for (int x = 0; x < dig.width; ++x)
                if (black(at(Name::Dig, i, x, y)))
                    left = std::min(left, x), right = std::max(right, x), ink = true;
            rows += ink;
        }
        EXPECT_GT(rows, 15) << i;
        EXPECT_NEAR((left + right) / 2.0, dig.width / 2.0, 2.5) << i;
    }
    el(Name::Floater).visible = false;
    for (Name panel : {Name::SelFloat, Name::Helper, Name::About}) el(panel).visible = true;
    Renderer().Render(el, surface, driver.platform(), f);
    EXPECT_EQ(at(Name::Target, 1, 0, 12), PixelFromBgr(colour::kBlack));
    EXPECT_EQ(at(Name::Target, 1, -1, 2), PixelFromBgr(colour::kBlack));
    EXPECT_EQ(at(Name::Target, 1, 2, 2), PixelFromBgr(colour::kYellow));
    EXPECT_EQ(at(Name::Line1, -1, 10, 0), PixelFromBgr(colour::kDarkGrey));
}

// Text at scale 2 is drawn at twice the size, not enlarged: the stem of a capital is at least
// twice as wide and its edges stay one grey pixel wide.
TEST(Render, TextAtScaleTwoIsAsSharp) {
    SdlTextRasteriser text;
    auto stem = [&text](float points, int& width, int& grey) {
        Image glyph = text.Draw(Font{"Arial", points, true}, colour::kBlack, "I");
        ASSERT_FALSE(glyph.Empty());
        width = grey = 0;
        for (int x = 0; x < glyph.width; ++x) {
            uint32_t alpha = glyph.At(x, glyph.height / 2) >> 24;
            width += alpha == 0xFF;
            grey += alpha > 0 && alpha < 0xFF;
        }
    };
    int width1, grey1, width2, grey2;
    stem(12, width1, grey1);
    stem(24, width2, grey2);
    EXPECT_GE(width2, 2 * width1);
    EXPECT_LE(grey2, 2);
    EXPECT_LE(grey1, 2);
}

}  // namespace
}  // namespace quorrel
