#include "spiro/spiro_walk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "state/convert.h"

namespace quorrel {
namespace {

// A walk that has neither closed nor drifted by then never will: the heading is a whole number
// of degrees, so a turning figure is back at its start after at most 360 cycles. Only rounding
// in single precision keeps a few (1/540/1, 51/178/2, ...) from noticing.
constexpr int64_t kMaxCycles = 360;

}  // namespace

SpiroWalker::SpiroWalker(SpiroWalk& walk, const int16_t& maker_mode, const SpiroRequest& request)
    : w_(walk),
      maker_mode_(maker_mode),
      order_(request.order),
      // Without a turn the walk would never come back, so a straight angle is bent a little.
      angle_(request.angle == 180 ? int16_t{175} : request.angle),
      left_turns_(request.left_turns) {}

void SpiroWalker::StartFigure() {
    w_.SpiroPass = 0;
    w_.SpiroMinX = w_.SpiroMaxX = w_.SpiroMinY = w_.SpiroMaxY = 0;
    w_.SpiroTurn = static_cast<float>(180 - int32_t{angle_});
}

void SpiroWalker::StartPass() {
    w_.SpiroFirstStep = kTrue;
    w_.SpiroX = w_.SpiroY = 0;
    w_.SpiroCycles = 0;
    w_.SpiroHeading = 0;
    w_.SpiroStartStep = 1;
    w_.SpiroStep = 1;
    segments_ = 0;
}

void SpiroWalker::NextPoint() {
    double radians = static_cast<double>(w_.SpiroHeading) * PiValue / 180;
    w_.SpiroNextX = static_cast<float>(w_.SpiroStep * std::sin(radians) + w_.SpiroX);
    w_.SpiroNextY = static_cast<float>(w_.SpiroStep * std::cos(radians) + w_.SpiroY);
}

void SpiroWalker::Widen() {
    if (w_.SpiroNextX < w_.SpiroMinX) w_.SpiroMinX = w_.SpiroNextX;
    if (w_.SpiroNextX > w_.SpiroMaxX) w_.SpiroMaxX = w_.SpiroNextX;
    if (w_.SpiroNextY < w_.SpiroMinY) w_.SpiroMinY = w_.SpiroNextY;
    if (w_.SpiroNextY > w_.SpiroMaxY) w_.SpiroMaxY = w_.SpiroNextY;
}

SegmentEnd SpiroWalker::FinishSegment() {
    ++segments_;
    ++walked_;
    if (w_.SpiroFirstStep) {
        w_.SpiroFirstStep = kFalse;
    } else if (std::fabs(double{w_.SpiroX}) < 0.05 && std::fabs(double{w_.SpiroY}) < 0.05 &&
               w_.SpiroHeading == 0 && w_.SpiroStep == w_.SpiroStartStep) {
        // This segment started where the figure started, in the same direction: it retraced
        // the first one, and the figure is closed.
        return SegmentEnd::PassEnd;
    }
    if (segments_ >= std::min(kMaxCycles * order_ + 1, kMaxSpiroPassSegments))
        return SegmentEnd::PassEnd;

    // Turn: a left turn after every segment whose number is a multiple of left_turns.
    bool left = left_turns_ > 1 && Remainder(int32_t{w_.SpiroStep}, int32_t{left_turns_}) == 0;
    w_.SpiroTurnSign = left ? 1 : -1;
    w_.SpiroX = w_.SpiroNextX;
    w_.SpiroY = w_.SpiroNextY;
    double heading = w_.SpiroTurnSign * static_cast<double>(w_.SpiroTurn) + w_.SpiroHeading + 360;
    w_.SpiroHeading = static_cast<float>(Remainder(RoundToInt32(heading), 360));
    w_.SpiroStep = static_cast<int16_t>(Remainder(int32_t{w_.SpiroStep}, order_) + 1);

    // Drift: the pen position after the first segment of cycles 1..5; when cycles 3 to 4 and
    // 4 to 5 move it by the same amount, every cycle shifts the figure and it never closes.
    if (w_.SpiroCycles <= 4 && w_.SpiroStep == 2) {
        ++w_.SpiroCycles;
        w_.SpiroCorners[w_.SpiroCycles] = {w_.SpiroX, w_.SpiroY};
        if (w_.SpiroCycles == 5 && Drifts()) {
            if (maker_mode_ || !CanRaiseOrder()) return SegmentEnd::PassEnd;
            return SegmentEnd::RaiseOrder;
        }
    }
    return SegmentEnd::Continue;
}

bool SpiroWalker::Drifts() const {
    const auto& c = w_.SpiroCorners;
    double dx = (double{c[3][0]} - c[4][0]) - (double{c[4][0]} - c[5][0]);
    double dy = (double{c[3][1]} - c[4][1]) - (double{c[4][1]} - c[5][1]);
    return std::fabs(dx) <= 0.1 && std::fabs(dy) <= 0.1;
}

bool SpiroWalker::CanRaiseOrder() const {
    // A turn of whole circles walks every segment straight down, whatever the order: raising
    // it would drift again for ever. The order is also a 16-bit value.
    bool straight = Remainder(180 - int32_t{angle_}, 360) == 0;
    // Once the measuring has walked its budget, a drifting figure is drawn as it stands; the
    // count only grows, so the drawing passes end where the measuring pass ended.
    return !straight && order_ < std::numeric_limits<int16_t>::max() &&
           walked_ < kMaxSpiroPassSegments;
}

SpiroMeasure MeasureSpiro(GameState& gs, const SpiroRequest& request) {
    SpiroMeasure measure;
    if (request.order < 1) return measure;
    SpiroWalker walker(gs.spiro_drawing.walk, gs.MakerMode, request);
    walker.StartFigure();
    walker.StartPass();
    measure.figures = 1;
    for (;;) {
        walker.NextPoint();
        walker.Widen();
        ++measure.total_segments;
        SegmentEnd end = walker.FinishSegment();
        if (end == SegmentEnd::PassEnd) break;
        if (end == SegmentEnd::RaiseOrder) {
            walker.RaiseOrder();
            walker.StartFigure();
            walker.StartPass();
            ++measure.figures;
        }
    }
    measure.segments = walker.segments();
    measure.order = walker.order();
    return measure;
}

}  // namespace quorrel
