#include "spiro/spiro_pace.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorrel {
namespace {

struct PacedRun {
    int64_t total_ms = 0;
    int sleeps = 0;
    int longest = 0;
};

// Draws a figure of so many segments at the pace, on a clock that moves only by sleeping.
PacedRun Draw(int64_t segments, int extra_ms_per_segment = 0) {
    SpiroPace pace;
    uint64_t now = 1000;
    pace.Start(now, segments);
    PacedRun run;
    for (int64_t i = 0; i < segments; ++i) {
        int ms = pace.BeforeSegment(now);
        EXPECT_GE(ms, 0);
        if (ms > 0) {
            ++run.sleeps;
            run.longest = std::max(run.longest, ms);
        }
        now += static_cast<uint64_t>(ms + extra_ms_per_segment);
    }
    run.total_ms = static_cast<int64_t>(now) - 1000;
    return run;
}

TEST(SpiroPace, WholeDrawingTakesHalfASecondToThreeSeconds) {
    struct Case {
        int64_t segments;
        int64_t least_ms, most_ms;
    };
    const Case cases[] = {
        {2, 485, 500},                           // a tiny figure still takes half a second
        {9, 485, 500},       {27, 795, 810},     // 30 ms a segment
        {63, 1875, 1890},    {200, 2985, 3000},  // capped
        {18361, 2985, 3000}, {66000, 2985, 3000},
    };
    for (const Case& c : cases) {
        PacedRun run = Draw(c.segments);
        EXPECT_GE(run.total_ms, c.least_ms) << c.segments;
        EXPECT_LE(run.total_ms, c.most_ms) << c.segments;
    }
}

TEST(SpiroPace, LongFiguresPutSeveralSegmentsIntoAFrame) {
    PacedRun run = Draw(18361);
    // About one sleep per frame, never one per segment.
    EXPECT_LE(run.sleeps, 3000 / SpiroPace::kFrameMs + 1);
    EXPECT_GE(run.sleeps, 3000 / (2 * SpiroPace::kFrameMs));
    EXPECT_LT(run.longest, 2 * SpiroPace::kFrameMs);
}

TEST(SpiroPace, SmallFiguresAreSlowerPerSegment) {
    PacedRun small = Draw(5), larger = Draw(60), large = Draw(600);
    EXPECT_GT(small.total_ms / 5.0, larger.total_ms / 60.0);
    EXPECT_GT(larger.total_ms / 60.0, large.total_ms / 600.0);
    EXPECT_EQ(small.sleeps, 4);  // every segment after the first waits its turn
}

TEST(SpiroPace, TimeLostElsewhereIsMadeUp) {
    // Handlers that take 40 ms after every segment: no sleeping at all, and no waiting later.
    PacedRun run = Draw(200, 40);
    EXPECT_EQ(run.sleeps, 0);
    PacedRun none = Draw(0);
    EXPECT_EQ(none.total_ms, 0);
    EXPECT_EQ(SpiroPace::DurationMs(0), 0);
}

}  // namespace
}  // namespace quorrel
