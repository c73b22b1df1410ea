// Which stored puzzles a level deals from: the level choice and its names, and the puzzles of
// a list at a level, or the nearest level that has any.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/rating.h"

namespace quorrel {

// The level choice: every puzzle as the list holds it, one level 1..5, or the level the
// learner record gives.
inline constexpr int16_t kLevelAll = 0, kLevelGrow = 6;

// "all", "1".."5", "grow" (any case, blanks around allowed); nothing for anything else.
std::optional<int16_t> ParseLevelName(std::string_view text);
// The name ParseLevelName reads; "all" for a choice out of range.
std::string LevelName(int16_t choice);

// The indices of the rated puzzles at level, or at the nearest level that has any (the lower
// of two equally near). Unsolvable puzzles are never dealt while a solvable one is there; none
// for an empty list.
std::vector<size_t> PuzzlesAtLevel(const std::vector<PuzzleRating>& ratings, int16_t level);

}  // namespace quorrel
