// How hard a puzzle is for a child: a solver over the game's own moves (three moves, each
// combining two numbers with + - x or an exact division, any intermediate result the board
// accepts) measures what makes a puzzle hard, and one score and a level 1..5 sum it up.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorrel {

inline constexpr int16_t kRatingMaxTarget = 48;

// Operators as sets of bits.
enum OperatorBit : uint8_t { kAddBit = 1, kSubtractBit = 2, kMultiplyBit = 4, kDivideBit = 8 };

struct PuzzleRating {
    // Genuinely different solutions: moves that only change places with an independent move,
    // or swap the operands of + or x, make the same solution. 0: unsolvable.
    int32_t solutions = 0;
    uint8_t needed_operators = 0;  // the operators every solution uses (OperatorBit)
    bool always_negative = false;  // every solution passes through a number below zero
    bool always_large = false;     // ... through a number above LargeAbove(target)
    bool first_move_away = false;  // no solution starts with a move that comes closer
    // Distinct first moves the board accepts (x and + counted once for both operand orders),
    // and how many of them still lead to a solution.
    int16_t legal_first_moves = 0, leading_first_moves = 0;
    double score = 0;   // higher is harder
    int16_t level = 0;  // 1 (easiest) .. 5; 0 when unsolvable
};

// The game's Combine (move_math.h) in a form the search can inline: false where Combine
// refuses, else its result in out.
bool QuickCombine(int16_t op, int16_t first, int16_t second, int16_t& out);

// An intermediate number above this is large for the target: more than twice it, and past 20.
int32_t LargeAbove(int16_t target);

// The score of the features above (solutions > 0), and its level.
double DifficultyScore(const PuzzleRating& features);
int16_t LevelForScore(double score);

// Every target 0..kRatingMaxTarget for one set of numbers, in one search.
using TargetRatings = std::array<PuzzleRating, kRatingMaxTarget + 1>;
TargetRatings RateAllTargets(const std::array<int16_t, 4>& numbers);

// One puzzle; a target outside 0..kRatingMaxTarget rates as unsolvable.
PuzzleRating RatePuzzle(const std::array<int16_t, 4>& numbers, int16_t target);

struct Puzzle {
    std::array<int16_t, 4> numbers{};
    int16_t target = 0;
};
// The puzzles a problem file holds (all its operator groups), for the target it is kept for.
std::vector<Puzzle> PuzzlesOfProblemFile(std::string_view bytes, int16_t target);
// Many puzzles, each set of numbers searched once whatever its order and targets.
std::vector<PuzzleRating> RatePuzzles(const std::vector<Puzzle>& puzzles);

}  // namespace quorrel
