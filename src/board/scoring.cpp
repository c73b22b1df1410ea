#include "board/scoring.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/convert.h"

namespace quorrel {

int32_t Points(const std::array<int32_t, 5>& stats) {
    int64_t points =
        10 * int64_t{stats[0]} + 4 * int64_t{stats[1]} + 2 * int64_t{stats[2]} + stats[3];
    return static_cast<int32_t>(std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

float ScoreMinutes(float elapsed_seconds) { return std::floor(elapsed_seconds / 6.0f) / 10.0f; }

std::string ScoreLineText(float minutes, int32_t points, std::string_view pattern) {
    return FormatText(pattern, {ShortNumberText(minutes), NumberText(points)});
}

}  // namespace quorrel
