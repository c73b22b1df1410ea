// The walk of a spirolateral: segment k of each cycle has length k and is followed by a fixed
// turn, cycle after cycle, until the walk comes back to its start or is found to drift. The
// walker keeps its position in the drawing's walk record, so every drawing pass retraces
// exactly the walk the measuring pass measured.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace quorrel {

// The work of one drawing is bounded whatever the maker is given: a pass ends after this many
// segments, and a drifting figure's order is raised only while the measuring has walked fewer
// in all. So a drawing walks at most five times this many segments (two of measuring, three
// pens). Every reward figure walks under 2,000; a maker figure is cut short only when its walk
// is longer, which needs an order of 278 or more. The pixels those segments may fill are
// bounded by the window's surface (WindowSurface::kMaxFigureWork).
constexpr int64_t kMaxSpiroPassSegments = 100000;

struct SpiroRequest {
    int16_t order = 0;
    int16_t angle = 0;
    int16_t left_turns = 0;
};

enum class SegmentEnd {
    Continue,
    PassEnd,     // closed, drifting in the maker, or walked as long as a figure can take
    RaiseOrder,  // drifting outside the maker: measure again with one segment more per cycle
};

class SpiroWalker {
  public:
    // maker_mode is read at every drift test: the maker may open or close during a drawing.
    SpiroWalker(SpiroWalk& walk, const int16_t& maker_mode, const SpiroRequest& request);

    // A fresh figure with the current order: an empty bounding box, measuring pass.
    void StartFigure();
    void StartPass();
    // The end point of the current segment, into SpiroNextX/Y.
    void NextPoint();
    // Widens the bounding box by the end point (measuring pass).
    void Widen();
    // After the segment has been walked (and drawn, and events let through): the closing
    // test, the turn, and the drift test.
    SegmentEnd FinishSegment();
    // One segment more per cycle; then StartFigure and StartPass.
    void RaiseOrder() { ++order_; }

    int32_t order() const { return order_; }
    // Segments walked in the current pass.
    int64_t segments() const { return segments_; }

  private:
    bool Drifts() const;
    bool CanRaiseOrder() const;

    SpiroWalk& w_;
    const int16_t& maker_mode_;
    int32_t order_;
    int16_t angle_;
    int16_t left_turns_;
    int64_t segments_ = 0;
    int64_t walked_ = 0;  // over every pass and figure
};

// The measuring pass alone, without a window: the segments it walks in its last figure, the
// order that figure has, and how many figures were measured (more than one when the order was
// raised). It walks in gs.spiro_drawing.walk and reads MakerMode from gs, as the engine does.
struct SpiroMeasure {
    int64_t segments = 0;
    int32_t order = 0;
    int figures = 0;
    int64_t total_segments = 0;  // over all figures measured
};
SpiroMeasure MeasureSpiro(GameState& gs, const SpiroRequest& request);

}  // namespace quorrel
