// Points, the score line and its scoring period: switched on by a double click on the target,
// refreshed by every correct answer, restarted when midnight passes.
#include "puzzle/scoring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "menus/menus.h"
#include "puzzle/play_table.h"
#include "puzzle/puzzle.h"

namespace quorrel {
namespace {

using testing_support::PlayTable;
using Stats = std::array<int32_t, 5>;

TEST(ScoreMath, PointsByHintsNeeded) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Case {
        Stats stats;
        int32_t want;
    };
    const Case cases[] = {
        {{3, 0, 1, 0, 0}, 32},
        {{1, 1, 1, 1, 0}, 17},
        {{0, 0, 0, 0, 9}, 0},
        {{3, 1, 1, 0, 2}, 36},
        {{0, 0, 0, 0, 0}, 0},
        {{kMax, 0, 0, 0, 0}, kMax},
        {{0, kMax, kMax, kMax, kMax}, kMax},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Points(c.stats), c.want) << c.stats[0] << " " << c.stats[1];
}

TEST(ScoreMath, LineText) {
    struct Case {
        float seconds;
        int32_t points;
        const char* want;
    };
    const Case cases[] = {
        {95, 36, " 1.5min - 36pts"},     {40, 0, " .6min - 0pts"},      {0, 0, " 0min - 0pts"},
        {3, 0, " 0min - 0pts"},          {5.99f, 10, " 0min - 10pts"},  {6, 10, " .1min - 10pts"},
        {59.9f, 4, " .9min - 4pts"},     {60, 1234, " 1min - 1234pts"}, {3600, 2, " 60min - 2pts"},
        {86399, 0, " 1439.9min - 0pts"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScoreLineText(ScoreMinutes(c.seconds), c.points), c.want) << c.seconds << " s";
}

TEST(ScoreLine, DoubleClickSwitchesItAndStartsAnew) {
    PlayTable t(0);
    t.gs().Stats = {4, 3, 2, 1, 5};
    t.Run("dblclick Cent");
    const Element& line = t.el(Name::ScoreB);
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.caption, " 0min - 0pts");
    EXPECT_EQ(t.gs().Stats, Stats{});
    EXPECT_FLOAT_EQ(t.gs().ScoreStart, t.calc().Clock());
    EXPECT_FLOAT_EQ(t.gs().TimeMark, 0);

    t.gs().Stats = {3, 1, 1, 0, 2};
    t.Run("wait 95000");
    t.Run("dblclick Cent");
    EXPECT_FALSE(line.visible);
    EXPECT_EQ(line.caption, " 1.5min - 36pts") << "a hidden line keeps counting";
    EXPECT_EQ(t.gs().Stats, (Stats{3, 1, 1, 0, 2}));

    t.Run("wait 40000");
    t.Run("dblclick Cent");
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.caption, " 0min - 0pts");
    EXPECT_EQ(t.gs().Stats, Stats{});
}

TEST(ScoreLine, FortySecondsWithoutAnswers) {
    PlayTable t(0);
    t.Run("dblclick Cent");
    t.Run("wait 40000");
    RefreshScoreLine(t.calc());
    EXPECT_EQ(t.el(Name::ScoreB).caption, " .6min - 0pts");
    EXPECT_FLOAT_EQ(t.gs().TimeMark, 40);
}

void SolveThreeFourSixTwo(PlayTable& t, int16_t hints) {
    t.Deal({3, 4, 6, 2}, 24);
    t.gs().HintsUsed = hints;
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    t.Clicks({"Digit(1)", "Op(0)", "Digit(3)"});
}

TEST(ScoreLine, EveryCorrectAnswerRefreshesIt) {
    PlayTable t(0);
    t.Run("dblclick Cent");
    for (int16_t hints : {0, 0, 2, 0}) SolveThreeFourSixTwo(t, hints);
    EXPECT_EQ(t.gs().Stats, (Stats{3, 0, 1, 0, 0}));
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 0min - 32pts");

    // A wrong answer counts but leaves the line as it was.
    t.Deal({3, 4, 6, 2}, 24);
    t.Run("wait 60000");
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    t.Clicks({"Digit(1)", "Op(1)", "Digit(3)"});
    EXPECT_EQ(t.gs().Stats[4], 1);
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 0min - 32pts");
}

TEST(ScoreLine, AnotherTargetClearsTheCountersButNotTheClock) {
    PlayTable t(0);
    t.Run("dblclick Cent");
    t.Run("wait 60000");
    SolveThreeFourSixTwo(t, 0);
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 1min - 10pts");
    float start = t.gs().ScoreStart;
    Target_Click(t.calc(), 7);  // 36
    EXPECT_EQ(t.gs().Stats, Stats{});
    EXPECT_FLOAT_EQ(t.gs().ScoreStart, start);
    t.Run("wait 30000");
    t.Deal({6, 6, 1, 1}, 36);
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    t.Clicks({"Digit(1)", "Op(2)", "Digit(3)"});
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 1.5min - 10pts");
}

TEST(ScoreLine, MidnightStartsThePeriodAgain) {
    PlayTable t(0, kFalse, 23 * 3600 + 59 * 60);
    t.Run("dblclick Cent");
    t.Run("wait 90000");  // half a minute past midnight
    RefreshScoreLine(t.calc());
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 0min - 0pts");
    EXPECT_FLOAT_EQ(t.gs().TimeMark, 3);
    EXPECT_FLOAT_EQ(t.gs().ScoreStart, t.calc().Clock());
    SolveThreeFourSixTwo(t, 0);
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 0min - 10pts");
    float since_restart = t.calc().Clock() - t.gs().ScoreStart;
    EXPECT_GE(since_restart, 0.0f);
    EXPECT_LT(since_restart, 1.0f) << "the period starts again at the refresh";
    // The minutes count on from that refresh.
    t.Run("wait " + std::to_string(static_cast<int>(std::lround((59.9f - since_restart) * 1000))));
    RefreshScoreLine(t.calc());
    EXPECT_EQ(t.el(Name::ScoreB).caption, " .9min - 10pts");
    t.Run("wait 100");
    RefreshScoreLine(t.calc());
    EXPECT_EQ(t.el(Name::ScoreB).caption, " 1min - 10pts");
    EXPECT_EQ(t.gs().Stats[0], 1) << "the counters live on";
}

}  // namespace
}  // namespace quorrel
