// The pace of a drawing: a modern machine would draw any figure in an instant, so the segments
// are spread over a steady time the child can watch, by sleeping between them.
#pragma once

#include <cstdint>

namespace quorrel {

class SpiroPace {
  public:
    // Sleeps shorter than a frame are saved up: a long figure puts several segments into one.
    static constexpr int kFrameMs = 16;
    static constexpr int kShortestMs = 500;
    static constexpr int kLongestMs = 3000;
    static constexpr int kSegmentMs = 30;  // what a segment may take while the figure is small

    // How long all the drawing passes of a figure should take together.
    static int DurationMs(int64_t segments);

    // The drawing passes begin now with this many segments in all.
    void Start(uint64_t now_ms, int64_t segments);
    // Milliseconds to sleep before the next segment is drawn (0: draw it at once). Time the
    // drawing lost elsewhere (a long handler run between segments) is made up by not sleeping.
    int BeforeSegment(uint64_t now_ms);

  private:
    uint64_t start_ms_ = 0;
    double segment_ms_ = 0;
    int64_t drawn_ = 0;
};

}  // namespace quorrel
