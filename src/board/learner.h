// The child as the game learns them: one rating on the puzzles' own difficulty scale, how
// likely a child of that rating solves a puzzle, the step after each puzzle, and the choice of
// the next puzzle so that the child solves about three in four without a hint.
#pragma once

#include <cstdint>
#include <vector>

#include "state/random.h"

namespace quorrel {

// How a puzzle ended for the child.
enum class PuzzleOutcome : uint8_t { kSolved, kWrong, kLeft };

// A fresh record starts here: the first puzzles are then of level 1 (score below 1), so a child
// starts with easy wins and climbs from there.
inline constexpr double kStartRating = 2.0;
// The logistic's scale: one difficulty point (one "obstacle") is one unit of log-odds.
inline constexpr double kResponseScale = 1.0;
// The chance of solving without a hint the next puzzle is chosen for.
inline constexpr double kAimedChance = 0.75;
// The rating stays within these bounds, whatever the record says.
inline constexpr double kLowestRating = -4.0, kHighestRating = 14.0;

// The expected chance that a child of this rating solves a puzzle of this score without a
// hint: 1 / (1 + exp(-(rating - score) / kResponseScale)). 50 % at rating == score, 75 % one
// ln 3 (about 1.1) point above it.
double SolveChance(double rating, double score);

// What the outcome is worth, 0..1: solved without a hint 1, solved with hints half for each
// hint (1/2, 1/4, 1/8: the hints did part of the work), a wrong answer or a puzzle left 0.
double OutcomeCredit(PuzzleOutcome outcome, int hints);

// How far one puzzle can move the rating: large while the record is young (the game does not
// know the child yet), shrinking to a steady step that still follows a child who grows.
double RatingStep(int puzzles_played);

// The rating after a puzzle of this score: rating + step * (credit - expected chance), the
// Elo/Rasch update, kept within the rating's bounds.
double UpdateRating(double rating, int puzzles_played, double score, PuzzleOutcome outcome,
                    int hints);

// The index of the next puzzle among candidates given by their scores: one picked at random
// among those whose chance is within kNearChance of kAimedChance, or among the kNearCount
// nearest when fewer are that close. -1 for no candidates.
inline constexpr double kNearChance = 0.05;
inline constexpr int kNearCount = 5;
int32_t ChooseNextPuzzle(const std::vector<double>& scores, double rating, Random& random);

}  // namespace quorrel
