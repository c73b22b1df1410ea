// The software renderer, checked at pixel probes: where a panel, a box, a border or a line
// must stand, and where the text of a label lands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "window/headless/headless_platform.h"
#include "window/render/renderer.h"
#include "window/render/text_layout.h"
#include "window/sdl/media/fonts.h"
#include "window/sdl/media/sdl_text.h"

namespace quorrel {
namespace {

int Red(uint32_t p) { return (p >> 16) & 0xFF; }
int Green(uint32_t p) { return (p >> 8) & 0xFF; }
int Blue(uint32_t p) { return p & 0xFF; }

// The plain purple window or the purple marbled tile over it.
bool Purplish(uint32_t p) { return Red(p) >= 100 && Blue(p) >= 100 && Green(p) <= 70; }
bool Dark(uint32_t p) { return Red(p) + Green(p) + Blue(p) < 200; }
// Black text where it covers its pixels fully or nearly (not the dark red marker spot).
bool Black(uint32_t p) { return Red(p) < 60 && Green(p) < 60 && Blue(p) < 60; }

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

Box Place(const Elements& el, const Element& e) {
    Box b{0, 0, e.width, e.height};
    el.WindowPosition(e, b.x, b.y);
    return b;
}

// The bounding box of the pixels inside a box that pass a test; w == 0 when there are none.
template <typename Test>
Box Ink(const Image& frame, Box in, Test test) {
    int x0 = in.x + in.w, y0 = in.y + in.h, x1 = in.x - 1, y1 = in.y - 1;
    for (int y = in.y; y < in.y + in.h; ++y)
        for (int x = in.x; x < in.x + in.w; ++x)
            if (test(frame.At(x, y))) {
                x0 = std::min(x0, x), y0 = std::min(y0, y);
                x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    if (x1 < x0) return {};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// A window of its own, without the game's code: the stored elements on the plain purple
// surface, pictures supplied by the test (none by default).
struct Bench {
    Elements el;
    WindowSurface surface;
    HeadlessPlatform platform;
    Renderer renderer;
    Image frame;

    explicit Bench(HeadlessOptions options = {}) : platform(WithText(std::move(options))) {
        surface.Resize(678, 578, el.windowBack);
        el(Name::First).visible = false;
    }
    void Show(Name panel) {
        el(panel).visible = true;
        Render();
    }
    void Render() { renderer.Render(el, surface, platform, frame); }
    Box Of(Name name, int index = -1) { return Place(el, el(name, index)); }
    static HeadlessOptions WithText(HeadlessOptions options) {
        options.text = std::make_shared<SdlTextRasteriser>();
        return options;
    }
};

TEST(Render, StartShowsTheTitlePanelOnPurple) {
    DriverOptions options;
    options.app_folder = QUORREL_BUILD_DIR;
    options.seed = 7;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    Calc& calc = *driver.calc();
    Renderer renderer;
    Image frame;
    renderer.Render(calc.el, calc.surface, driver.platform(), frame);
    ASSERT_EQ(frame.width, calc.surface.Pixels().width);
    ASSERT_EQ(frame.height, calc.surface.Pixels().height);
    ASSERT_GT(frame.width, 300);

    Box first = Place(calc.el, calc.el(Name::First));
    int inside = 0, inside_not_purple = 0;
    for (int y = 0; y < frame.height; y += 7)
        for (int x = 0; x < frame.width; x += 7) {
            bool in_first =
                x >= first.x && y >= first.y && x < first.x + first.w && y < first.y + first.h;
            bool near_edge = x >= first.x - 2 && y >= first.y - 2 && x < first.x + first.w + 2 &&
                             y < first.y + first.h + 2;
            if (in_first) {
                ++inside;
                inside_not_purple += !Purplish(frame.At(x, y));
            } else if (!near_edge) {
                ASSERT_TRUE(Purplish(frame.At(x, y))) << "at " << x << "," << y;
            }
        }
    ASSERT_GT(inside, 100);
    EXPECT_GT(inside_not_purple, inside * 9 / 10);
}

TEST(Render, BoardShowsYellowNumberBoxesWithCentredNumbers) {
    DriverOptions options;
    options.app_folder = QUORREL_BUILD_DIR;
    options.seed = 7;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    Calc& calc = *driver.calc();
    // The title panel stands over the board until the intro hides it.
    calc.el(Name::First).visible = false;
    calc.el(Name::Floater).visible = true;
    driver.platform().SetText(std::make_shared<SdlTextRasteriser>());
    Renderer renderer;
    Image frame;
    renderer.Render(calc.el, calc.surface, driver.platform(), frame);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("Dig(" + std::to_string(i) + ")");
        Box dig = Place(calc.el, calc.el(Name::Dig, i));
        EXPECT_EQ(frame.At(dig.x + 3, dig.y + 3), PixelFromBgr(colour::kYellow));
        EXPECT_EQ(frame.At(dig.x + dig.w - 4, dig.y + dig.h - 4), PixelFromBgr(colour::kYellow));
        Box ink = Ink(frame, dig, Black);
        ASSERT_GT(ink.w, 4);
        ASSERT_GT(ink.h, 15);  // a 24-point figure
        EXPECT_NEAR(ink.x + ink.w / 2.0, dig.x + dig.w / 2.0, 2.5);
    }
}

TEST(Render, LabelTextFollowsItsAlignmentAndKeepsItsBlanks) {
    // The ink of a caption against the ink of plain "Menu" with the same alignment, in But(1)
    // (49 pixels wide, 12-pixel bold text, a blank 3 to 4 pixels wide).
    struct Case {
        const char* caption;
        Align align;
        int min_shift, max_shift;
    };
    const Case cases[] = {
        {"  Menu", Align::Left, 5, 9},
        {"Menu    ", Align::Right, -16, -11},
        {"  Menu ", Align::Centre, 1, 3},
        {"Menu  ", Align::Left, 0, 0},
    };
    auto ink_of = [](const char* caption, Align align, Box& box) {
        Bench bench;
        Element& label = bench.el(Name::But, 1);
        label.caption = caption;
        label.align = align;
        label.fore = colour::kBlack;
        bench.Show(Name::Floater);
        box = bench.Of(Name::But, 1);
        return Ink(bench.frame, box, Dark);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.caption + "\"");
        Box box;
        Box plain = ink_of("Menu", c.align, box);
        Box ink = ink_of(c.caption, c.align, box);
        ASSERT_GT(ink.w, 10);
        EXPECT_EQ(ink.w, plain.w);
        EXPECT_LE(ink.y - box.y, 3) << "text starts at the top";
        EXPECT_GE(ink.x - plain.x, c.min_shift);
        EXPECT_LE(ink.x - plain.x, c.max_shift);
        switch (c.align) {
            case Align::Left:
                EXPECT_LE(plain.x - box.x, 2);
                break;
            case Align::Right:
                EXPECT_LE(box.x + box.w - (plain.x + plain.w), 2);
                break;
            case Align::Centre:
                EXPECT_NEAR(plain.x + plain.w / 2.0, box.x + box.w / 2.0, 1.5);
                break;
        }
    }
}

TEST(Render, KindsDrawTheirFacesBordersAndLines) {
    Bench bench;
    bench.el(Name::SelFloat).visible = true;
    bench.el(Name::Helper).visible = true;
    bench.el(Name::About).visible = true;
    bench.el(Name::Spirom).visible = true;
    bench.el(Name::Spirom).left = 440;  // beside the menu instead of under it
    bench.el(Name::Spirom).top = 300;
    bench.Render();
    const Image& f = bench.frame;

    // A bordered, opaque label: black frame, yellow inside.
    Box target = bench.Of(Name::Target, 1);
    EXPECT_EQ(f.At(target.x, target.y + target.h / 2), PixelFromBgr(colour::kBlack));
    EXPECT_EQ(f.At(target.x + target.w - 1, target.y + 2), PixelFromBgr(colour::kBlack));
    EXPECT_EQ(f.At(target.x + 2, target.y + 2), PixelFromBgr(colour::kYellow));

    // A raised button: light top-left edge, dark bottom-right edge, silver face.
    Box button = bench.Of(Name::BackColorSet);
    EXPECT_EQ(f.At(button.x + 3, button.y), PixelFromBgr(colour::kWhite));
    EXPECT_EQ(f.At(button.x, button.y + 3), PixelFromBgr(colour::kWhite));
    EXPECT_TRUE(Dark(f.At(button.x + button.w - 1, button.y + button.h - 1)));
    EXPECT_TRUE(Dark(f.At(button.x + 3, button.y + button.h - 1)));
    EXPECT_EQ(f.At(button.x + 3, button.y + button.h / 2), PixelFromBgr(colour::kSilver));
    Box face{button.x + 2, button.y + 2, button.w - 4, button.h - 4};
    EXPECT_GT(Ink(f, face, Black).w, 20) << "its caption is black";

    // A line of the about box, one pixel high, on the white box.
    Box line = bench.Of(Name::Line1);
    EXPECT_EQ(f.At(line.x + 10, line.y), PixelFromBgr(colour::kDarkGrey));
    EXPECT_EQ(f.At(line.x + 10, line.y + 1), PixelFromBgr(colour::kWhite));
    EXPECT_EQ(f.At(line.x + 10, line.y - 1), PixelFromBgr(colour::kWhite));

    // A hidden element inside a shown panel stays undrawn: Target(3) lies over the panel art.
    Box hidden = bench.Of(Name::Target, 3);
    EXPECT_NE(f.At(hidden.x + 2, hidden.y + 2), PixelFromBgr(colour::kYellow));
}

TEST(Render, PanelsClipTheirChildren) {
    Bench bench;
    // " Help" stands 8 pixels left of the setup panel's edge; what sticks out is cut off.
    bench.el(Name::But, 17).fore = colour::kBlack;
    bench.el(Name::But, 17).caption = "WWWWWW";
    bench.el(Name::But, 17).align = Align::Left;
    bench.el(Name::SelFloat).left = 100;
    bench.Show(Name::SelFloat);
    Box panel = bench.Of(Name::SelFloat);
    Box label = bench.Of(Name::But, 17);
    ASSERT_LT(label.x, panel.x);
    Box outside{label.x, label.y, panel.x - label.x, label.h};
    EXPECT_EQ(Ink(bench.frame, outside, [](uint32_t p) { return !Purplish(p); }).w, 0);
    Box inside{panel.x, label.y, label.w - (panel.x - label.x), label.h};
    EXPECT_GT(Ink(bench.frame, inside, Dark).w, 0);
}

TEST(Render, PicturesDrawOneToOneOrStretched) {
    // A 4 x 4 picture, red on the left half, blue on the right, in place of the operator art.
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    options.load_picture = [](const std::string&) -> std::optional<Image> {
        Image picture(4, 4, 0xFFFF0000);
        for (int y = 0; y < 4; ++y) picture.At(2, y) = picture.At(3, y) = 0xFF0000FF;
        return picture;
    };
    struct Case {
        int src;  // 0: drawn 1:1
        int dx, dy;
        uint32_t expect;
    };
    const Case cases[] = {
        {0, 1, 1, 0xFFFF0000},
        {0, 3, 3, 0xFF0000FF},
        {0, 10, 10, PixelFromBgr(colour::kGreen)},  // beyond the picture: the back colour
        {4, 20, 5, 0xFFFF0000},
        {4, 40, 50, 0xFF0000FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "src " << c.src << " at " << c.dx << "," << c.dy);
        Bench bench(options);
        bench.el(Name::Op, 0).pictureSrcWidth = c.src;
        bench.el(Name::Op, 0).pictureSrcHeight = c.src;
        bench.Show(Name::Floater);
        Box op = bench.Of(Name::Op, 0);
        EXPECT_EQ(bench.frame.At(op.x + c.dx, op.y + c.dy), c.expect);
    }
    // No picture at all: the back colour.
    Bench bare;
    bare.Show(Name::Floater);
    Box op = bare.Of(Name::Op, 0);
    EXPECT_EQ(bare.frame.At(op.x + 1, op.y + 1), PixelFromBgr(colour::kGreen));
}

TEST(Render, RepeatedFramesFollowCaptionAndColourChanges) {
    Bench bench;
    bench.Show(Name::Floater);
    Box dig = bench.Of(Name::Digit, 0);  // inside its box, clear of the marker spot
    Image first = bench.frame;
    bench.Render();
    EXPECT_EQ(bench.frame.pixels, first.pixels);

    bench.el(Name::Digit, 0).fore = colour::kRed;
    bench.Render();
    auto red = [](uint32_t p) { return p == PixelFromBgr(colour::kRed); };
    EXPECT_GT(Ink(bench.frame, dig, red).w, 4);
    EXPECT_EQ(Ink(bench.frame, dig, Dark).w, 0);

    bench.el(Name::Digit, 0).caption = "1";
    bench.Render();
    EXPECT_LT(Ink(bench.frame, dig, red).w, Ink(first, dig, Dark).w) << "a 1 is narrower than a 5";
}

// The number of separate runs of ink down one column.
int InkRuns(const Image& frame, int x, int y0, int y1) {
    int runs = 0;
    bool in = false;
    for (int y = y0; y < y1; ++y) {
        bool ink = Dark(frame.At(x, y));
        runs += ink && !in;
        in = ink;
    }
    return runs;
}

TEST(Render, DivisionSignByteDrawsTheSign) {
    Bench bench;
    bench.el(Name::Cent).fore = colour::kBlack;
    bench.el(Name::Cent).caption = "\xF7";
    bench.Show(Name::Floater);
    Box cent = bench.Of(Name::Cent);
    Box ink = Ink(bench.frame, cent, Dark);
    ASSERT_GT(ink.w, 5);
    // Dot, bar, dot.
    EXPECT_EQ(InkRuns(bench.frame, ink.x + ink.w / 2, cent.y, cent.y + cent.h), 3);
}

TEST(Render, LongCaptionsWrapInsideTheirBox) {
    Bench bench;
    bench.Show(Name::RestoreHint);
    Box box = bench.Of(Name::But, 10);
    auto yellow = [](uint32_t p) { return p == PixelFromBgr(colour::kYellow); };
    Box ink = Ink(bench.frame, box, yellow);
    EXPECT_GT(ink.h, 3 * 24) << "four lines of 18-point text";
    EXPECT_GE(ink.x, box.x);
    EXPECT_LE(ink.x + ink.w, box.x + box.w);
}

TEST(TextLayout, WrapsLikeALabel) {
    // Ten pixels a character, so widths read as character counts.
    auto measure = [](const std::string& text) { return static_cast<int>(text.size()) * 10; };
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"  Menu ", 70, {"  Menu "}},
        {"Click on the spirolateral", 120, {"Click on the", "spirolateral"}},
        {"Click on the spirolateral", 110, {"Click on", "the", "spirolatera", "l"}},
        {"Click on the menu", 80, {"Click on", "the menu"}},
        {"one  two", 50, {"one", "two"}},
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"a\r\nb\rc\nd", 100, {"a", "b", "c", "d"}},
        {"a\r\n\r\nb", 100, {"a", "", "b"}},
        {"", 100, {""}},
        {"x", 0, {"x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" in " << c.width);
        EXPECT_EQ(WrapText(c.text, c.width, measure), c.lines);
    }
    // A character is never split inside its UTF-8 bytes.
    EXPECT_EQ(WrapText("\xC3\xB7\xC3\xB7", 10,
                       [](const std::string& t) { return static_cast<int>(t.size()) * 5; }),
              (std::vector<std::string>{"\xC3\xB7", "\xC3\xB7"}));
}

TEST(Fonts, FamiliesMapToTheirMetricTwins) {
    struct Case {
        const char* family;
        bool bold;
        const char* file_ends_with;
    };
    const Case cases[] = {
        {"Arial", true, "/LiberationSans-Bold.ttf"},
        {"Arial", false, "/LiberationSans-Regular.ttf"},
        {"Verdana", false, "/DejaVuSans.ttf"},
        {"Verdana", true, "/DejaVuSans-Bold.ttf"},
        {"No Such Family", true, "/LiberationSans-Bold.ttf"},
    };
    for (const Case& c : cases) {
        std::string file = FindFontFile(c.family, c.bold);
        std::string tail = c.file_ends_with;
        ASSERT_GE(file.size(), tail.size()) << c.family;
        EXPECT_EQ(file.substr(file.size() - tail.size()), tail) << c.family;
    }
    // Points at 96 dots per inch: the sizes the window uses.
    const std::pair<float, int> sizes[] = {{7.5f, 10}, {8.25f, 11}, {9, 12}, {9.75f, 13},
                                           {12, 16},   {18, 24},    {24, 32}};
    for (auto [points, pixels] : sizes) EXPECT_EQ(FontPixels(points), pixels) << points;
}

}  // namespace
}  // namespace quorrel
