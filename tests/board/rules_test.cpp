// The puzzle's pure rules, by worked examples: the arithmetic of a move, the reward decision
// and figure, the points and the score line; the hints' texts around a division sign. The
// hints' wiring is the scenarios'.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>

#include "board/hints.h"
#include "board/move_math.h"
#include "board/problem_file.h"
#include "board/scoring.h"
#include "state/convert.h"

namespace quorrel {
namespace {

TEST(MoveMath, CombinesOrRefuses) {
    using R = Refusal;
    struct Case {
        int16_t op, first, second;
        Refusal refusal;
        int16_t result;
        std::optional<float> quotient;
    };
    const Case cases[] = {
        {kAdd, 12, 12, R::None, 24, {}},
        {kSubtract, 7, 9, R::None, -2, {}},
        {kMultiply, 81, 81, R::None, 6561, {}},
        {kDivide, 8, 4, R::None, 2, 2.0f},
        {kDivide, 8, 3, R::FractionalQuotient, 0, 8.0f / 3.0f},
        {kDivide, 0, 5, R::None, 0, 0.0f},
        {kDivide, -6, 3, R::None, -2, -2.0f},
        {kDivide, 5, 0, R::DivisionByZero, 0, {}},
        {kDivide, 0, 0, R::DivisionByZero, 0, {}},
        {kDivide, 6561, 81, R::None, 81, 81.0f},
        {kDivide, 6561, 80, R::FractionalQuotient, 0, 6561.0f / 80.0f},
        // Never dealt, but never wrapped either: too big for a box, or the emptied-box marker.
        {kMultiply, 200, 200, R::OutOfRange, 0, {}},
        {kSubtract, -32768, 1, R::OutOfRange, 0, {}},
        {kSubtract, 0, 999, R::OutOfRange, 0, {}},
        {4, 1, 2, R::UnknownOperator, 0, {}},
        {-1, 1, 2, R::UnknownOperator, 0, {}}};
    for (const Case& c : cases) {
        Combination got = Combine(c.op, c.first, c.second);
        EXPECT_EQ(std::make_tuple(got.refusal, got.result, got.quotient),
                  std::make_tuple(c.refusal, c.result, c.quotient))
            << c.first << " op" << c.op << " " << c.second;
    }
}

// The division sign takes two bytes; the steps after it are still cut at their own places.
TEST(Hints, StepsAfterADivisionSignKeepTheirPlaces) {
    const std::string text = WithDivisionSigns(" 1842   8/  2   4x  1   4+  8");
    const std::string divide = std::string("8") + kDivisionSign + "2";
    const std::pair<int16_t, std::string> cases[] = {
        {1, "4+8"}, {2, divide}, {3, divide + " then 4x1"}};
    for (const auto& [used, want] : cases) EXPECT_EQ(HintCaption(text, used), want) << used;
}

TEST(Reward, DueByHintsAndSolvedCountWithAFigureFromTheDeal) {
    // The last solved count that still earns a figure, per number of hints; 0 hints always.
    const int32_t last_rewarded[5] = {1000000, 10, 6, 2, 0};
    for (int16_t hints = 0; hints <= 4; ++hints)
        for (int32_t solved = 1; solved <= 12; ++solved)
            EXPECT_EQ(RewardDue(hints, solved), solved <= last_rewarded[hints])
                << hints << " " << solved;
    struct Case {
        std::array<int16_t, 4> dealt;
        int16_t order, angle, left_turns;
    };
    for (const Case& c : {Case{{5, 2, 4, 3}, 15, 36, 3}, Case{{0, 0, 0, 0}, 4, 0, 0},
                          Case{{9, 9, 9, 9}, 40, 81, 9}, Case{{-999, -999, 1, 2}, -3992, 9, 2}}) {
        RewardFigure f = RewardFigureFor(c.dealt);
        EXPECT_EQ((std::array<int16_t, 3>{f.order, f.angle, f.left_turns}),
                  (std::array<int16_t, 3>{c.order, c.angle, c.left_turns}));
    }
}

TEST(Score, PointsAndTheLine) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Points {
        std::array<int32_t, 5> stats;
        int32_t want;
    };
    for (const Points& c :
         {Points{{3, 0, 1, 0, 0}, 32}, Points{{1, 1, 1, 1, 0}, 17}, Points{{3, 1, 1, 0, 2}, 36},
          Points{{0, 0, 0, 0, 9}, 0}, Points{{kMax, 0, 0, 0, 0}, kMax},
          Points{{0, kMax, kMax, kMax, kMax}, kMax}})
        EXPECT_EQ(quorrel::Points(c.stats), c.want) << c.stats[0] << " " << c.stats[1];
    struct Line {
        float seconds;
        int32_t points;
        const char* want;
    };
    for (const Line& c : {Line{95, 36, " 1.5min - 36pts"}, Line{40, 0, " .6min - 0pts"},
                          Line{5.99f, 10, " 0min - 10pts"}, Line{6, 10, " .1min - 10pts"},
                          Line{3600, 2, " 60min - 2pts"}, Line{86399, 0, " 1439.9min - 0pts"}})
        EXPECT_EQ(ScoreLineText(ScoreMinutes(c.seconds), c.points), c.want) << c.seconds;
}

}  // namespace
}  // namespace quorrel
