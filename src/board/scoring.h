// The score line: minutes of the scoring period and points of the answers in it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorrel {

// 10 for an answer without hints, 4, 2 and 1 with one, two and three; wrong answers count
// nothing. Saturates instead of overflowing.
int32_t Points(const std::array<int32_t, 5>& stats);

// Elapsed seconds as minutes cut down to tenths (95 s -> 1.5), in single precision.
float ScoreMinutes(float elapsed_seconds);

inline constexpr const char* kScoreLinePattern = "%smin -%spts";

// " 1.5min - 36pts"; pattern is the line in the player's language, the minutes and the points
// in that order.
std::string ScoreLineText(float minutes, int32_t points,
                          std::string_view pattern = kScoreLinePattern);

}  // namespace quorrel
