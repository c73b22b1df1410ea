#include "spiro/spiro_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorrel {
namespace {

GameState Maker(bool on) {
    GameState gs;
    gs.MakerMode = on ? kTrue : kFalse;
    return gs;
}

TEST(SpiroWalk, FiguresEndAfterTheirSegments) {
    // Segments of the last figure measured (the closing retrace included), its order, figures.
    struct Case {
        SpiroRequest request;
        bool maker;
        int64_t segments;
        int32_t order;
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
        {{0, 45, 1}, false, 0, 0, 0},
        {{-32768, 45, 1}, false, 0, 0, 0}};
    for (const Case& c : cases) {
        const SpiroRequest& r = c.request;
        std::string name = std::to_string(r.order) + "/" + std::to_string(r.angle) + "/" +
                           std::to_string(r.left_turns) + (c.maker ? " maker" : " reward");
        GameState gs = Maker(c.maker);
        SpiroMeasure m = MeasureSpiro(gs, r);
        EXPECT_EQ(m.segments, c.segments) << name;
        EXPECT_EQ(m.order, c.order) << name;
        EXPECT_EQ(m.figures, c.figures) << name;
        EXPECT_TRUE(std::isfinite(gs.spiro_drawing.walk.SpiroMinX) &&
                    std::isfinite(gs.spiro_drawing.walk.SpiroMaxY))
            << name;
    }
}

}  // namespace
}  // namespace quorrel
