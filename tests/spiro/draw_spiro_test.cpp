// The drawing on the real window object, with the headless platform: the panels that stop it,
// newer requests that replace it, the close box and the pace in virtual time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/calc.h"
#include "spiro/draw_spiro.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

// Injects an input event at a chosen pump: pumps are counted by the times the input queue is
// found empty, which is once per pump until the first injection.
class ScriptedPlatform : public HeadlessPlatform {
public:
    ScriptedPlatform() : HeadlessPlatform(HeadlessOptions{}) {}
    std::map<int, InputEvent> script;
    int empty_polls = 0;

    bool PollInput(InputEvent& event) override {
        if (HeadlessPlatform::PollInput(event)) return true;
        auto it = script.find(++empty_polls);
        if (it == script.end()) return false;
        Queue(it->second);
        script.erase(it);
        return HeadlessPlatform::PollInput(event);
    }
};

// The window with a background click that the test decides.
class TestCalc : public Calc {
public:
    using Calc::Calc;
    std::function<void()> on_form_click;
    void OnFormClick() override {
        if (on_form_click) on_form_click();
    }
};

InputEvent BackgroundClick() {
    InputEvent e;
    e.element = kWindowBackground;
    return e;
}

InputEvent CloseBox() {
    InputEvent e;
    e.type = InputEvent::Type::Close;
    return e;
}

Placement Inner(int width, int height) {
    constexpr double kTwips = 15;
    return {1455, 1485, (width + HeadlessPlatform::kFrameWidth) * kTwips,
            (height + HeadlessPlatform::kFrameHeight) * kTwips};
}

struct DrawSpiroTest : ::testing::Test {
    ScriptedPlatform platform;
    TestCalc calc{platform, 1};
    std::vector<std::string> log;

    void SetUp() override {
        platform.Move(Inner(678, 578));
        calc.SyncSurfaceSize();
        calc.surface.SetLog(&log);
        for (TimerId t : {TimerId::FirstUp, TimerId::LastUp, TimerId::KlikOff, TimerId::TileBoy})
            calc.DisableTimer(t);
        calc.gs.SpiroPenColor = 0xFFFFFF;
    }
    // The log with its lines shortened to their widths ("clear", "line 2", ...).
    std::vector<std::string> Outline() const {
        std::vector<std::string> out;
        for (const std::string& l : log) {
            if (l.rfind("line ", 0) == 0) {
                size_t amp = l.rfind(" &H");
                size_t w = l.rfind(' ', amp - 1);
                out.push_back("line" + l.substr(w, amp - w));
            } else if (l == "clear") {
                out.push_back(l);
            }
        }
        return out;
    }
    struct Coords {
        double x1, y1, x2, y2;
    };
    std::vector<Coords> LineCoords() const {
        std::vector<Coords> out;
        for (const std::string& l : log) {
            Coords c;
            if (std::sscanf(l.c_str(), "line %lf %lf %lf %lf", &c.x1, &c.y1, &c.x2, &c.y2) == 4)
                out.push_back(c);
        }
        return out;
    }
};

// A drawing's outline: a clear, then runs of {count, width} lines; {-1, 0} is another clear.
std::vector<std::string> Expected(int clears_before, std::vector<std::pair<int, int>> lines) {
    std::vector<std::string> out(static_cast<size_t>(clears_before), "clear");
    for (auto [count, width] : lines) {
        if (count < 0) {
            out.push_back("clear");
            continue;
        }
        out.insert(out.end(), static_cast<size_t>(count), "line " + std::to_string(width));
    }
    return out;
}

TEST_F(DrawSpiroTest, StoredWindowDrawsTheMakerFigure) {
    DrawSpiro(calc, 4, 45, 1);
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log[0], "clear");
    EXPECT_EQ(log[1], "line 412.2 95.4 412.2 255.8 2 &HFFFFFF");
    EXPECT_EQ(log[9], log[1]);          // the closing segment retraces the first
    EXPECT_GE(platform.NowMs(), 490u);  // the pace sleeps through the platform
    EXPECT_LE(platform.NowMs(), 500u);
}

TEST_F(DrawSpiroTest, WindowStateChoosesThePasses) {
    struct Case {
        WindowState state;
        int16_t thickness;
        std::vector<int> pens;
    };
    const Case cases[] = {
        {WindowState::Normal, 0, {2}},          {WindowState::Normal, 2, {2}},
        {WindowState::Maximized, 0, {7, 5, 1}}, {WindowState::Maximized, 1, {5, 2}},
        {WindowState::Maximized, 2, {3}},       {WindowState::Minimized, 1, {5, 2}},
    };
    for (const Case& c : cases) {
        log.clear();
        platform.SetState(c.state);
        calc.SyncSurfaceSize();
        calc.gs.LineThickness = c.thickness;
        DrawSpiro(calc, 1, 90, 1);
        std::vector<std::pair<int, int>> passes;
        for (int pen : c.pens) passes.push_back({5, pen});
        EXPECT_EQ(Outline(), Expected(1, passes))
            << static_cast<int>(c.state) << " " << c.thickness;
    }
}

TEST_F(DrawSpiroTest, ShownPanelEndsTheDrawingForGood) {
    struct Case {
        int at_pump;  // 4/45/1: pumps 1..9 measure, 10..18 draw
        Name panel;
        bool request_too;  // a newer drawing asked for in the same pump
        int lines;
    };
    const Case cases[] = {
        {3, Name::Floater, false, -1},  // while measuring: the background stays as it was
        {9, Name::Spirom, false, -1},  {3, Name::Floater, true, -1},
        {10, Name::Spirom, false, 1},  {14, Name::Floater, true, 5},
    };
    for (const Case& c : cases) {
        log.clear();
        platform.empty_polls = 0;
        calc.el(Name::Floater).visible = false;
        calc.el(Name::Spirom).visible = false;
        calc.on_form_click = [&] {
            calc.el(c.panel).visible = true;
            if (c.request_too) DrawSpiro(calc, 1, 90, 1);
        };
        platform.script = {{c.at_pump, BackgroundClick()}};
        DrawSpiro(calc, 4, 45, 1);
        std::vector<std::string> expected =
            c.lines < 0 ? std::vector<std::string>{} : Expected(1, {{c.lines, 2}});
        EXPECT_EQ(Outline(), expected) << c.at_pump;
    }
}

TEST_F(DrawSpiroTest, NewerRequestReplacesTheDrawingWithoutNesting) {
    struct Case {
        int at_pump;
        int16_t order;  // of the newer request (1/90/1, a square of 5 lines)
        std::vector<std::string> outline;
        float min_x;  // the working fields end with the figure drawn last
    };
    const Case cases[] = {
        {3, 1, Expected(1, {{5, 2}}), -1},                    // while measuring
        {13, 1, Expected(1, {{4, 2}, {-1, 0}, {5, 2}}), -1},  // while drawing
        {18, 1, Expected(1, {{9, 2}, {-1, 0}, {5, 2}}), -1},  // after the very last segment
        {3, 0, Expected(1, {{9, 2}}), -2.8284271f},           // no order: ignored
    };
    for (const Case& c : cases) {
        log.clear();
        platform.empty_polls = 0;
        bool nested_drew = false, nested_returned = false;
        calc.on_form_click = [&] {
            size_t before = log.size();
            DrawSpiro(calc, c.order, 90, 1);
            nested_drew = log.size() != before;
            nested_returned = true;
        };
        platform.script = {{c.at_pump, BackgroundClick()}};
        DrawSpiro(calc, 4, 45, 1);
        EXPECT_TRUE(nested_returned) << c.at_pump;
        EXPECT_FALSE(nested_drew) << c.at_pump;
        EXPECT_EQ(Outline(), c.outline) << c.at_pump;
        EXPECT_FLOAT_EQ(calc.gs.SpiroMinX, c.min_x) << c.at_pump;
        EXPECT_EQ(calc.gs.SpiroPass, 3) << c.at_pump;
    }
}

TEST_F(DrawSpiroTest, ReplacingDrawingMeasuresTheResizedWindow) {
    calc.on_form_click = [&] {
        platform.Move(Inner(1000, 600));
        calc.SyncSurfaceSize();
        DrawSpiro(calc, 5, 90, 2);
    };
    platform.script = {{12, BackgroundClick()}};
    DrawSpiro(calc, 4, 45, 1);
    std::vector<Coords> lines = LineCoords();
    ASSERT_EQ(lines.size(), 3u + 21u);
    lines.erase(lines.begin(), lines.begin() + 3);
    // The new figure fills the new square exactly: side 540 centred at (500, 300).
    double min_x = 1e9, max_x = -1e9, min_y = 1e9, max_y = -1e9;
    for (const Coords& l : lines) {
        min_x = std::min({min_x, l.x1, l.x2});
        max_x = std::max({max_x, l.x1, l.x2});
        min_y = std::min({min_y, l.y1, l.y2});
        max_y = std::max({max_y, l.y1, l.y2});
    }
    EXPECT_NEAR(min_x, 230, 0.051);
    EXPECT_NEAR(max_x, 770, 0.051);
    EXPECT_NEAR(min_y, 30, 0.051);
    EXPECT_NEAR(max_y, 570, 0.051);
    EXPECT_EQ(calc.gs.SpiroSizeX, 540);
}

TEST_F(DrawSpiroTest, CloseRequestStopsAtOnce) {
    // Called directly: the window unloads inside the pump, and the drawing stops there.
    platform.script = {{12, CloseBox()}};
    DrawSpiro(calc, 4, 45, 1);
    EXPECT_EQ(Outline(), Expected(1, {{3, 2}}));
    EXPECT_TRUE(platform.unloaded());
    log.clear();
    DrawSpiro(calc, 4, 45, 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(DrawSpiroTest, CloseDuringAHandlersDrawingUnloadsAfterIt) {
    calc.on_form_click = [&] { DrawSpiro(calc, 4, 45, 1); };
    platform.Queue(BackgroundClick());
    platform.script = {{12, CloseBox()}};
    calc.DoEvents();
    EXPECT_EQ(Outline(), Expected(1, {{3, 2}}));
    std::vector<std::string> events = platform.TakeEvents();
    EXPECT_EQ(std::count(events.begin(), events.end(), "unload"), 1);
}

TEST_F(DrawSpiroTest, OddAnglesDrawFiniteFigures) {
    struct Case {
        int16_t order, angle, left_turns;
        size_t lines;
    };
    const Case cases[] = {
        {4, 181, 1, 361},  // a whole drawing, and the program goes on
        {4, 540, 1, 17},   // no width: a vertical line through the middle
        {1, 900, 1, 361}, {3, -180, 2, 13}, {4, 45, 0, 9},
    };
    for (const Case& c : cases) {
        log.clear();
        DrawSpiro(calc, c.order, c.angle, c.left_turns);
        std::vector<Coords> lines = LineCoords();
        EXPECT_EQ(lines.size(), c.lines) << c.angle;
        for (const Coords& l : lines) {
            ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.x2) && std::isfinite(l.y1) &&
                        std::isfinite(l.y2));
            if ((c.angle - 180) % 360 == 0) {
                EXPECT_EQ(l.x1, 339) << c.angle;
                EXPECT_EQ(l.x2, 339) << c.angle;
            }
        }
    }
}

}  // namespace
}  // namespace quorrel
