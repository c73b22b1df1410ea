#include "spiro/spiro_pace.h"

#include <algorithm>
#include <cmath>

namespace quorrel {

int SpiroPace::DurationMs(int64_t segments) {
    if (segments <= 0) return 0;
    int64_t wanted = std::min<int64_t>(segments, kLongestMs) * kSegmentMs;
    return static_cast<int>(std::clamp<int64_t>(wanted, kShortestMs, kLongestMs));
}

void SpiroPace::Start(uint64_t now_ms, int64_t segments) {
    start_ms_ = now_ms;
    drawn_ = 0;
    // The first segment goes at once and the last one when the time is up.
    segment_ms_ = segments > 1 ? static_cast<double>(DurationMs(segments)) / (segments - 1) : 0;
}

int SpiroPace::BeforeSegment(uint64_t now_ms) {
    // Segment n (from 0) is due n segment times after the start.
    double due = start_ms_ + segment_ms_ * static_cast<double>(drawn_++);
    double owed = due - static_cast<double>(now_ms);
    if (owed < kFrameMs) return 0;
    return static_cast<int>(std::min(std::floor(owed), double{kLongestMs}));
}

}  // namespace quorrel
