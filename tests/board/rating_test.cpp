// The puzzle rating: solutions counted by hand, the features that make a puzzle hard, the levels.
#include "board/rating.h"

#include <gtest/gtest.h>

#include <optional>

#include "board/level_deal.h"
#include "board/move_math.h"

namespace quorrel {
namespace {

TEST(Rating, CountsSolutionsAndFeatures) {
    struct Case {
        std::array<int16_t, 4> numbers;
        int16_t target;
        int32_t solutions;
        uint8_t operators;
        bool large, away;
        int16_t leading, legal, level;
    };
    const Case cases[] = {
        // ((1+1)+1)+8, ((1+1)+8)+1, ((1+8)+1)+1, (1+1)+(1+8); 1+1 comes closer to 11
        {{8, 1, 1, 1}, 11, 4, kAddBit, false, false, 2, 9, 2},
        // 8/(1+1)-3 and 8/(3+1)-1: both first moves end farther from 1 than their operands
        {{1, 3, 1, 8}, 1, 2, kAddBit | kSubtractBit | kDivideBit, false, true, 2, 18, 5},
        // (10x10-4)/4 alone, through 100; 12 first moves: 4 on each of 4 4, 4 10 and 10 10
        {{4, 10, 4, 10}, 24, 1, kSubtractBit | kMultiplyBit | kDivideBit, true, true, 1, 12, 5},
        {{3, 3, 8, 8}, 24, 0, 0, false, false, 0, 0, 0},  // 8/(3-8/3) needs a fraction
        {{1, 5, 5, 5}, 24, 0, 0, false, false, 0, 0, 0},
        {{0, 0, 0, 0}, 1, 0, 0, false, false, 0, 0, 0},
        {{1, 1, 4, 6}, 49, 0, 0, false, false, 0, 0, 0},  // beyond the targets
    };
    for (const Case& c : cases) {
        const PuzzleRating r = RatePuzzle(c.numbers, c.target);
        SCOPED_TRACE(testing::Message() << c.numbers[0] << c.numbers[1] << c.numbers[2]
                                        << c.numbers[3] << " -> " << c.target);
        EXPECT_EQ(r.solutions, c.solutions);
        EXPECT_EQ(r.level, c.level);
        if (c.solutions == 0) continue;
        EXPECT_EQ(r.needed_operators, c.operators);
        EXPECT_FALSE(r.always_negative);
        EXPECT_EQ(r.always_large, c.large);
        EXPECT_EQ(r.first_move_away, c.away);
        EXPECT_EQ(r.leading_first_moves, c.leading);
        EXPECT_EQ(r.legal_first_moves, c.legal);
        EXPECT_DOUBLE_EQ(r.score, DifficultyScore(r));
    }
}

TEST(Rating, ScoresAndLevels) {
    PuzzleRating easy;
    easy.solutions = 4;
    easy.legal_first_moves = easy.leading_first_moves = 8;
    EXPECT_DOUBLE_EQ(DifficultyScore(easy), 0.25);
    PuzzleRating hard = easy;
    hard.solutions = 1;
    hard.leading_first_moves = 2;  // two bits of search, each half a step
    hard.needed_operators = kDivideBit;
    hard.always_negative = hard.always_large = hard.first_move_away = true;
    EXPECT_DOUBLE_EQ(DifficultyScore(hard), 1 + 1 + 1 + 1.5 + 1 + 1);
    const std::pair<double, int16_t> bounds[] = {{0, 1}, {0.99, 1}, {1, 2}, {2, 3},
                                                 {3, 4}, {3.99, 4}, {4, 5}, {9, 5}};
    for (auto [score, level] : bounds) EXPECT_EQ(LevelForScore(score), level) << score;
}

TEST(Rating, ManyPuzzlesAsOne) {
    const std::vector<Puzzle> puzzles = {
        {{1, 1, 4, 6}, 24}, {{6, 4, 1, 1}, 24}, {{6, 4, 1, 1}, 12}, {{1, 1, 4, 6}, -1}};
    const std::vector<PuzzleRating> r = RatePuzzles(puzzles);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].solutions, RatePuzzle({1, 1, 4, 6}, 24).solutions);
    EXPECT_EQ(r[1].score, r[0].score);
    EXPECT_EQ(r[2].solutions, RatePuzzle({1, 1, 4, 6}, 12).solutions);
    EXPECT_EQ(r[3].solutions, 0);
}

TEST(Rating, ArithmeticIsTheBoards) {
    const int16_t edges[] = {-32768, -32767, -1000, -999, -998, 0, 1, 2, 3, 7, 32767};
    for (int16_t op = 0; op <= 4; ++op)
        for (int a = -130; a <= 130; ++a)
            for (int16_t b : edges)
                for (auto [x, y] : {std::pair{int16_t(a), b}, std::pair{b, int16_t(a)}}) {
                    const Combination c = Combine(op, x, y);
                    int16_t out = 0;
                    EXPECT_EQ(QuickCombine(op, x, y, out), c.refusal == Refusal::None);
                    if (c.refusal == Refusal::None) {
                        EXPECT_EQ(out, c.result);
                    }
                }
}

TEST(LevelDeal, NamesAndTheNearestLevelWithPuzzles) {
    const std::pair<const char*, std::optional<int16_t>> names[] = {
        {"all", kLevelAll}, {" Grow\n", kLevelGrow},
        {"3", 3},           {"5", 5},
        {"0", {}},          {"6", {}},
        {"", {}},           {"hard", {}}};
    for (auto [text, level] : names) {
        EXPECT_EQ(ParseLevelName(text), level) << text;
        if (level) {
            EXPECT_EQ(ParseLevelName(LevelName(*level)), level);
        }
    }
    auto at = [](int16_t level) {
        PuzzleRating r;
        r.level = level;
        return r;
    };
    const std::vector<PuzzleRating> ratings = {at(1), at(4), at(0), at(4), at(2)};
    struct Case {
        int16_t level;
        std::vector<size_t> dealt;
    };
    const Case cases[] = {
        {4, {1, 3}}, {1, {0}}, {2, {4}}, {3, {4}},  // 2 and 4 are as near: the lower
        {5, {1, 3}},                                // none at 5: 4
    };
    for (const Case& c : cases) EXPECT_EQ(PuzzlesAtLevel(ratings, c.level), c.dealt) << c.level;
    EXPECT_EQ(PuzzlesAtLevel({at(0), at(0)}, 2), (std::vector<size_t>{0, 1}));  // none solvable
    EXPECT_TRUE(PuzzlesAtLevel({}, 2).empty());
}

}  // namespace
}  // namespace quorrel
