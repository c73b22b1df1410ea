#include "spiro/spiro_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorrel {
namespace {

// The turns after the first eight segments of a pass: L or R.
std::string Turns(GameState& gs, SpiroRequest request) {
    std::string turns;
    SpiroWalker walker(gs, request);
    walker.StartFigure();
    walker.StartPass();
    for (SegmentEnd end = SegmentEnd::Continue; end == SegmentEnd::Continue && turns.size() < 8;) {
        walker.NextPoint();
        end = walker.FinishSegment();
        turns += gs.SpiroTurnSign > 0 ? 'L' : 'R';
    }
    return turns;
}

GameState Maker(bool on) {
    GameState gs;
    gs.MakerMode = on ? kTrue : kFalse;
    return gs;
}

TEST(SpiroWalk, FiguresEndAfterTheirSegments) {
    // Segments of the last figure measured (the closing retrace included), its order, figures.
    struct Case { SpiroRequest request; bool maker; int64_t segments; int32_t order; int figures; };
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
        {{0, 45, 1}, false, 0, 0, 0},
        {{-32768, 45, 1}, false, 0, 0, 0},
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

TEST(SpiroWalk, LeftTurnsFollowTheNumberWithinTheCycle) {
    struct Case { SpiroRequest request; std::string signs; };  // turns after segments 1..8
    const Case cases[] = {
        {{4, 90, 3}, "RRLRRRLR"},  // after segment 3 of each cycle; numbering restarts
        {{5, 90, 2}, "RLRLRRLR"},  {{4, 90, 1}, "RRRRRRRR"},
        {{4, 90, 0}, "RRRRRRRR"},  // no division by zero: 0 and 1 mean right turns only
        {{4, 90, -3}, "RRRRRRRR"}, {{4, 90, 9}, "RRRRRRRR"},  // more than the order: never reached
    };
    for (const Case& c : cases) {
        GameState gs = Maker(true);
        EXPECT_EQ(Turns(gs, c.request), c.signs) << c.request.left_turns;
    }
}

}  // namespace
}  // namespace quorrel
