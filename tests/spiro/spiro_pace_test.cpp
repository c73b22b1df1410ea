#include "spiro/spiro_pace.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

// Draws a figure of so many segments at the pace, on a clock that moves only by sleeping;
// returns how long it took.
int64_t DrawMs(int64_t segments) {
    SpiroPace pace;
    uint64_t now = 1000;
    pace.Start(now, segments);
    for (int64_t i = 0; i < segments; ++i) {
        int ms = pace.BeforeSegment(now);
        EXPECT_GE(ms, 0);
        now += static_cast<uint64_t>(ms);
    }
    return static_cast<int64_t>(now) - 1000;
}

TEST(SpiroPace, WholeDrawingTakesHalfASecondToThreeSeconds) {
    struct Case {
        int64_t segments, least_ms, most_ms;
    };
    const Case cases[] = {
        {0, 0, 0},           {2, 485, 500},      // a tiny figure still takes half a second
        {9, 485, 500},       {27, 795, 810},     // 30 ms a segment
        {63, 1875, 1890},    {200, 2985, 3000},  // capped
        {18361, 2985, 3000}, {66000, 2985, 3000}};
    for (const Case& c : cases) {
        int64_t ms = DrawMs(c.segments);
        EXPECT_GE(ms, c.least_ms) << c.segments;
        EXPECT_LE(ms, c.most_ms) << c.segments;
    }
}

}  // namespace
}  // namespace quorrel
