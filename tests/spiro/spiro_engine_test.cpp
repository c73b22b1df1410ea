#include "spiro/spiro_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace quorrel {
namespace {

struct DrawnLine {
    double x1, y1, x2, y2;
    int width;
};

// A window that keeps what is done to it; a test can act inside a pump.
class FakeCanvas : public SpiroCanvas {
public:
    int width = 678, height = 578;
    bool normal = true;
    std::vector<std::string> ops;  // "clear", "line", "sleep"
    std::vector<DrawnLine> lines;
    int pumps = 0;
    int64_t slept_ms = 0;
    uint64_t now = 0;
    Interruption interruption = Interruption::None;
    std::function<void(int pump)> on_pump;

    int InnerWidth() override { return width; }
    int InnerHeight() override { return height; }
    bool NormalState() override { return normal; }
    void ClearBackground() override { ops.push_back("clear"); }
    void Line(double x1, double y1, double x2, double y2, int w) override {
        ops.push_back("line");
        lines.push_back({x1, y1, x2, y2, w});
    }
    void Pump() override {
        ++pumps;
        if (on_pump) on_pump(pumps);
    }
    Interruption Interrupted() override { return interruption; }
    uint64_t NowMs() override { return now; }
    void Sleep(int ms) override {
        ops.push_back("sleep");
        slept_ms += ms;
        now += static_cast<uint64_t>(ms);
    }
    std::vector<int> Widths() const {
        std::vector<int> w;
        for (const DrawnLine& l : lines) w.push_back(l.width);
        return w;
    }
};

GameState State(bool maker, int16_t thickness = 0) {
    GameState gs;
    gs.MakerMode = maker ? kTrue : kFalse;
    gs.LineThickness = thickness;
    return gs;
}

std::vector<int> Repeat(std::vector<int> pens, int each) {
    std::vector<int> widths;
    for (int pen : pens) widths.insert(widths.end(), each, pen);
    return widths;
}

TEST(SpiroEngine, PassesRetraceTheFigureWithTheirPens) {
    struct Case {
        SpiroRequest request;
        bool maker, normal;
        int16_t thickness;
        int per_pass;
        std::vector<int> pens;
    };
    const Case cases[] = {
        {{4, 45, 1}, true, true, 0, 9, {2}},
        {{4, 45, 1}, true, true, 2, 9, {2}},  // a normal window ignores the thickness
        {{4, 45, 1}, true, false, 0, 9, {7, 5, 1}},
        {{4, 45, 1}, true, false, 1, 9, {5, 2}},
        {{4, 45, 1}, true, false, 2, 9, {3}},
        {{4, 90, 1}, true, true, 0, 17, {2}},
        {{4, 90, 1}, false, true, 0, 21, {2}},
        {{4, 90, 1}, false, false, 0, 21, {7, 5, 1}},
        {{1, 90, 1}, false, true, 0, 5, {2}},
        {{1, 72, 1}, false, true, 0, 11, {2}},
        {{5, 90, 2}, false, true, 0, 21, {2}},
        {{2, 1, 1}, true, true, 0, 9, {2}},
        {{4, 181, 1}, false, true, 0, 361, {2}},
        {{1, 540, 1}, false, false, 1, 361, {5, 2}},
    };
    for (const Case& c : cases) {
        const SpiroRequest& r = c.request;
        std::string name = std::to_string(r.order) + "/" + std::to_string(r.angle) + "/" +
                           std::to_string(r.left_turns);
        GameState gs = State(c.maker, c.thickness);
        FakeCanvas canvas;
        canvas.normal = c.normal;
        EXPECT_EQ(RunSpiro(gs, canvas, r), SpiroOutcome::Finished) << name;
        EXPECT_EQ(canvas.Widths(), Repeat(c.pens, c.per_pass)) << name;
        // One pump after every segment, the measuring pass's included; one clear in between.
        GameState probe = State(c.maker, c.thickness);
        int64_t measured = MeasureSpiro(probe, r).total_segments;
        EXPECT_EQ(canvas.pumps, measured + static_cast<int64_t>(canvas.lines.size())) << name;
        ASSERT_FALSE(canvas.ops.empty());
        EXPECT_EQ(std::count(canvas.ops.begin(), canvas.ops.end(), "clear"), 1) << name;
        EXPECT_EQ(canvas.ops.front(), "clear") << name;  // nothing drawn, slept or cleared before
        for (const DrawnLine& l : canvas.lines)
            EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                        std::isfinite(l.y2))
                << name;
    }
}

TEST(SpiroEngine, MakerFigureFitsTheStoredWindow) {
    GameState gs = State(true);
    FakeCanvas canvas;
    RunSpiro(gs, canvas, {4, 45, 1});
    ASSERT_EQ(canvas.lines.size(), 9u);
    const DrawnLine& first = canvas.lines[0];
    EXPECT_NEAR(first.x1, 412.19, 0.01);
    EXPECT_NEAR(first.y1, 95.42, 0.01);
    EXPECT_NEAR(first.x2, 412.19, 0.01);
    EXPECT_NEAR(first.y2, 255.78, 0.01);
    const DrawnLine& last = canvas.lines[8];
    EXPECT_NEAR(last.x1, first.x1, 0.01);
    EXPECT_NEAR(last.y1, first.y1, 0.01);
    EXPECT_NEAR(last.x2, first.x2, 0.01);
    EXPECT_NEAR(last.y2, first.y2, 0.01);
    EXPECT_EQ(gs.SpiroSizeX, 520);
    EXPECT_EQ(gs.SpiroCenterX, 339);
    EXPECT_EQ(gs.SpiroCenterY, 289);
}

TEST(SpiroEngine, OddWalksDrawAsExpected) {
    // Corners of the square in the stored window: x 79..599, y 29..549.
    struct Point {
        double x, y;
    };
    struct Case {
        SpiroRequest request;
        std::vector<Point> path;  // start of each line, then the end of the last
    };
    const Case cases[] = {
        // Down the left edge, up to the top right corner, down the right edge.
        {{1, 0, 1}, {{79, 29}, {79, 549}, {599, 29}, {599, 549}}},
        // Straight down: a line through the middle, five cycles long of 41 units.
        {{4, 540, 1}, {{339, 29}, {339, 29 + 520.0 / 41}, {339, 29 + 3 * 520.0 / 41}}},
        {{1, 90, 1}, {{599, 29}, {599, 549}, {79, 549}, {79, 29}, {599, 29}, {599, 549}}},
    };
    for (const Case& c : cases) {
        GameState gs = State(true);
        FakeCanvas canvas;
        RunSpiro(gs, canvas, c.request);
        ASSERT_GE(canvas.lines.size() + 1, c.path.size()) << c.request.angle;
        for (size_t i = 0; i + 1 < c.path.size(); ++i) {
            EXPECT_NEAR(canvas.lines[i].x1, c.path[i].x, 0.05) << c.request.angle << " line " << i;
            EXPECT_NEAR(canvas.lines[i].y1, c.path[i].y, 0.05) << c.request.angle << " line " << i;
            EXPECT_NEAR(canvas.lines[i].x2, c.path[i + 1].x, 0.05)
                << c.request.angle << " line " << i;
            EXPECT_NEAR(canvas.lines[i].y2, c.path[i + 1].y, 0.05)
                << c.request.angle << " line " << i;
        }
    }
}

TEST(SpiroEngine, DrawingLastsHalfASecondToThreeSeconds) {
    struct Case {
        SpiroRequest request;
        bool normal;
        int64_t least_ms, most_ms;
    };
    const Case cases[] = {
        {{1, 90, 1}, true, 490, 500},     {{4, 45, 1}, true, 490, 500},
        {{4, 45, 1}, false, 790, 810},     // three passes of 9
        {{5, 90, 2}, true, 620, 630},      // 21 segments
        {{51, 178, 2}, true, 2985, 3000},  // 18361 segments
    };
    for (const Case& c : cases) {
        GameState gs = State(true);
        FakeCanvas canvas;
        canvas.normal = c.normal;
        bool measuring_slept = false;
        canvas.on_pump = [&](int) {
            measuring_slept = measuring_slept || (gs.SpiroPass == 0 && canvas.slept_ms);
        };
        RunSpiro(gs, canvas, c.request);
        EXPECT_FALSE(measuring_slept) << c.request.order;
        EXPECT_GE(canvas.slept_ms, c.least_ms) << c.request.order;
        EXPECT_LE(canvas.slept_ms, c.most_ms) << c.request.order;
    }
}

TEST(SpiroEngine, InterruptionEndsTheDrawingAfterTheSegment) {
    struct Case {
        int at_pump;  // 4/45/1 in a maximised window: pumps 1..9 measure, 10.. draw
        SpiroCanvas::Interruption why;
        SpiroOutcome outcome;
        size_t lines;
        bool cleared;
    };
    const Case cases[] = {
        {1, SpiroCanvas::Interruption::Stop, SpiroOutcome::Stopped, 0, false},
        {9, SpiroCanvas::Interruption::Stop, SpiroOutcome::Stopped, 0, false},
        {10, SpiroCanvas::Interruption::Stop, SpiroOutcome::Stopped, 1, true},
        {21, SpiroCanvas::Interruption::Stop, SpiroOutcome::Stopped, 12, true},  // second pass
        {4, SpiroCanvas::Interruption::Replaced, SpiroOutcome::Replaced, 0, false},
        {36, SpiroCanvas::Interruption::Replaced, SpiroOutcome::Replaced, 27, true},  // the last
    };
    for (const Case& c : cases) {
        GameState gs = State(true);
        FakeCanvas canvas;
        canvas.normal = false;
        canvas.on_pump = [&](int pump) {
            if (pump == c.at_pump) canvas.interruption = c.why;
        };
        EXPECT_EQ(RunSpiro(gs, canvas, {4, 45, 1}), c.outcome) << c.at_pump;
        EXPECT_EQ(canvas.pumps, c.at_pump);
        EXPECT_EQ(canvas.lines.size(), c.lines) << c.at_pump;
        EXPECT_EQ(!canvas.ops.empty() && canvas.ops.front() == "clear", c.cleared) << c.at_pump;
    }
}

TEST(SpiroEngine, OrderBelowOneDoesNothing) {
    for (int16_t order : {0, -4}) {
        GameState gs = State(true);
        gs.SpiroSizeX = 77;
        FakeCanvas canvas;
        EXPECT_EQ(RunSpiro(gs, canvas, {order, 45, 1}), SpiroOutcome::Finished);
        EXPECT_EQ(canvas.pumps, 0);
        EXPECT_TRUE(canvas.ops.empty());
        EXPECT_EQ(gs.SpiroSizeX, 77);
    }
}

}  // namespace
}  // namespace quorrel
