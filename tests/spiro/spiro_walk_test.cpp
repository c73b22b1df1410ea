#include "spiro/spiro_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace quorrel {
namespace {

struct Segment {
    float x1, y1, x2, y2;
    int16_t step, sign;
};

// Walks one measuring pass, keeping every segment and the turn that followed it.
std::vector<Segment> Walk(GameState& gs, SpiroRequest request, SegmentEnd* last = nullptr) {
    std::vector<Segment> segments;
    SpiroWalker walker(gs, request);
    walker.StartFigure();
    walker.StartPass();
    for (;;) {
        walker.NextPoint();
        walker.Widen();
        Segment s{gs.SpiroX, gs.SpiroY, gs.SpiroNextX, gs.SpiroNextY, gs.SpiroStep, 0};
        SegmentEnd end = walker.FinishSegment();
        s.sign = gs.SpiroTurnSign;
        segments.push_back(s);
        if (end != SegmentEnd::Continue) {
            if (last) *last = end;
            return segments;
        }
    }
}

GameState Maker(bool on) {
    GameState gs;
    gs.MakerMode = on ? kTrue : kFalse;
    return gs;
}

TEST(SpiroWalk, FiguresEndAfterTheirSegments) {
    struct Case {
        SpiroRequest request;
        bool maker;
        int64_t segments;  // of the last figure measured, the closing retrace included
        int32_t order;     // that figure's order
        int figures;
    };
    const Case cases[] = {
        {{4, 45, 1}, true, 9, 4, 1},  // closes after 8; the 9th retraces the first
        {{4, 45, 1}, false, 9, 4, 1},
        {{4, 90, 1}, true, 17, 4, 1},   // drifts: four cycles and one segment
        {{4, 90, 1}, false, 21, 5, 2},  // drifts, so order 5, which closes after 20
        {{1, 90, 1}, false, 5, 1, 1},   // a square
        {{1, 72, 1}, false, 11, 1, 1},  // a ten-pointed star
        {{5, 90, 2}, false, 21, 5, 1},
        {{2, 1, 1}, true, 9, 2, 1},       // turns 2 degrees a cycle: counts as drifting
        {{1, 0, 1}, false, 3, 1, 1},      // the zigzag
        {{4, 180, 1}, true, 73, 4, 1},    // drawn as 175: 20 degrees a cycle
        {{4, 181, 1}, false, 361, 4, 1},  // 4 degrees a cycle: closes after 90 cycles
        // Neither closing nor drifting in single precision: 360 cycles and one segment.
        {{1, 540, 1}, false, 361, 1, 1},
        {{51, 178, 2}, true, 360 * 51 + 1, 51, 1},
        {{53, 161, 3}, true, 360 * 53 + 1, 53, 1},
        {{59, 163, 3}, true, 360 * 59 + 1, 59, 1},
        // Straight down whatever the order: a larger order would drift again, for ever.
        {{4, 540, 1}, false, 17, 4, 1},
        {{3, -180, 1}, false, 13, 3, 1},
        {{4, 900, 2}, false, 17, 4, 1},
        {{4, 0, 0}, false, 11, 5, 2},
    };
    for (const Case& c : cases) {
        const SpiroRequest& r = c.request;
        std::string name = std::to_string(r.order) + "/" + std::to_string(r.angle) + "/" +
                           std::to_string(r.left_turns) + (c.maker ? " maker" : " reward");
        GameState gs = Maker(c.maker);
        SpiroMeasure m = MeasureSpiro(gs, r);
        EXPECT_EQ(m.segments, c.segments) << name;
        EXPECT_EQ(m.order, c.order) << name;
        EXPECT_EQ(m.figures, c.figures) << name;
        EXPECT_TRUE(std::isfinite(gs.SpiroMinX) && std::isfinite(gs.SpiroMaxY)) << name;
    }
}

TEST(SpiroWalk, ClosingSegmentRetracesTheFirst) {
    GameState gs;
    std::vector<Segment> s = Walk(gs, {4, 45, 1});
    ASSERT_EQ(s.size(), 9u);
    EXPECT_FLOAT_EQ(s[0].x2, 0);
    EXPECT_FLOAT_EQ(s[0].y2, 1);
    EXPECT_NEAR(s[8].x1, 0, 1e-5);
    EXPECT_NEAR(s[8].y1, 0, 1e-5);
    EXPECT_NEAR(s[8].x2, 0, 1e-5);
    EXPECT_NEAR(s[8].y2, 1, 1e-5);
    EXPECT_EQ(s[8].step, 1);
    EXPECT_NEAR(gs.SpiroMinX, -2.8284, 1e-4);
    EXPECT_NEAR(gs.SpiroMaxX, 1.5858, 1e-4);
    EXPECT_NEAR(gs.SpiroMinY, -0.4142, 1e-4);
    EXPECT_NEAR(gs.SpiroMaxY, 2.8284, 1e-4);
}

TEST(SpiroWalk, LeftTurnsFollowTheNumberWithinTheCycle) {
    struct Case {
        SpiroRequest request;
        std::string signs;  // the turn after each of the first eight segments
    };
    const Case cases[] = {
        {{4, 90, 3}, "RRLRRRLR"},  // after segment 3 of each cycle; numbering restarts
        {{5, 90, 2}, "RLRLRRLR"},  {{4, 90, 1}, "RRRRRRRR"},
        {{4, 90, 0}, "RRRRRRRR"},  // no division by zero: 0 and 1 mean right turns only
        {{4, 90, -3}, "RRRRRRRR"}, {{4, 90, 9}, "RRRRRRRR"},  // more than the order: never reached
    };
    for (const Case& c : cases) {
        GameState gs = Maker(true);
        std::vector<Segment> s = Walk(gs, c.request);
        std::string signs;
        for (size_t i = 0; i < 8 && i < s.size(); ++i) signs += s[i].sign > 0 ? 'L' : 'R';
        EXPECT_EQ(signs, c.signs) << c.request.left_turns;
    }
}

TEST(SpiroWalk, DriftComparesTheStepsBetweenCyclesThreeToFive) {
    GameState gs = Maker(true);
    SegmentEnd end = SegmentEnd::Continue;
    EXPECT_EQ(Walk(gs, {4, 90, 1}, &end).size(), 17u);
    EXPECT_EQ(end, SegmentEnd::PassEnd);
    EXPECT_EQ(gs.SpiroCycles, 5);
    // Each cycle moves the figure by (2, -2); rows hold the pen after a cycle's first segment.
    for (int row = 1; row <= 5; ++row) {
        EXPECT_FLOAT_EQ(gs.SpiroCorners[row][0], 2.0f * (row - 1)) << row;
        EXPECT_FLOAT_EQ(gs.SpiroCorners[row][1], 1 - 2.0f * (row - 1)) << row;
    }

    GameState reward = Maker(false);
    Walk(reward, {4, 90, 1}, &end);
    EXPECT_EQ(end, SegmentEnd::RaiseOrder);
}

TEST(SpiroWalk, ZigzagComesBackBesideItsStart) {
    // The constant is not quite pi: the way back lies a hair to the side.
    GameState gs;
    std::vector<Segment> s = Walk(gs, {1, 0, 1});
    ASSERT_EQ(s.size(), 3u);
    EXPECT_FLOAT_EQ(gs.SpiroMinX, 0);
    EXPECT_NEAR(gs.SpiroMaxX, 5.9e-10, 0.1e-10);
    EXPECT_FLOAT_EQ(s[1].x1, 0);
    EXPECT_GT(s[1].x2, 0);
    EXPECT_FLOAT_EQ(s[2].x1, s[2].x2);

    GameState exact;
    exact.PiValue = std::numbers::pi;
    Walk(exact, {1, 0, 1});
    EXPECT_LT(exact.SpiroMaxX, 1e-15);  // what the full constant would have done
}

TEST(SpiroWalk, PiValueIsTakenFromTheGameWhenSet) {
    GameState gs;
    gs.PiValue = 3.141592653;
    Walk(gs, {1, 0, 1});
    GameState unset;
    Walk(unset, {1, 0, 1});
    EXPECT_EQ(gs.SpiroMaxX, unset.SpiroMaxX);
}

TEST(SpiroWalk, NoOrderNoWalk) {
    for (int16_t order : {0, -1, -32768}) {
        GameState gs;
        SpiroMeasure m = MeasureSpiro(gs, {order, 45, 1});
        EXPECT_EQ(m.total_segments, 0) << order;
    }
}

}  // namespace
}  // namespace quorrel
