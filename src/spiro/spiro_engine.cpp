#include "spiro/spiro_engine.h"

#include <cstddef>

#include "spiro/spiro_fit.h"
#include "spiro/spiro_pace.h"

namespace quorrel {

SpiroOutcome RunSpiro(GameState& gs, SpiroCanvas& canvas, const SpiroRequest& request) {
    if (request.order < 1) return SpiroOutcome::Finished;
    SpiroWalk& walk = gs.spiro_drawing.walk;
    SetUpSpiroSquare(walk, canvas.InnerWidth(), canvas.InnerHeight());
    SpiroWalker walker(walk, gs.MakerMode, request);
    walker.StartFigure();
    walker.StartPass();
    SpiroPace pace;
    int pen = 0;
    for (;;) {
        walker.NextPoint();
        if (walk.SpiroPass == 0) {
            walker.Widen();
        } else {
            if (int ms = pace.BeforeSegment(canvas.NowMs())) canvas.Sleep(ms);
            canvas.Line(walk.SpiroScaleX * double{walk.SpiroX} + walk.SpiroOffsetX,
                        walk.SpiroScaleY * double{walk.SpiroY} + walk.SpiroOffsetY,
                        walk.SpiroScaleX * double{walk.SpiroNextX} + walk.SpiroOffsetX,
                        walk.SpiroScaleY * double{walk.SpiroNextY} + walk.SpiroOffsetY, pen);
        }
        canvas.Pump();
        switch (canvas.Interrupted()) {
            case SpiroCanvas::Interruption::None:
                break;
            case SpiroCanvas::Interruption::Stop:
                return SpiroOutcome::Stopped;
            case SpiroCanvas::Interruption::Replaced:
                return SpiroOutcome::Replaced;
        }

        switch (walker.FinishSegment()) {
            case SegmentEnd::Continue:
                break;
            case SegmentEnd::RaiseOrder:
                walker.RaiseOrder();
                walker.StartFigure();
                walker.StartPass();
                break;
            case SegmentEnd::PassEnd: {
                bool measured = walk.SpiroPass == 0;
                bool normal = canvas.NormalState();
                if (measured) FitSpiro(walk);
                pen = NextSpiroPass(walk.SpiroPass, normal, gs.LineThickness);
                if (pen == 0) return SpiroOutcome::Finished;
                if (measured) {
                    canvas.ClearBackground();
                    // The passes are known now, and so is the time the whole drawing may take.
                    size_t passes = SpiroPenWidths(normal, gs.LineThickness).size();
                    pace.Start(canvas.NowMs(), static_cast<int64_t>(passes) * walker.segments());
                }
                walker.StartPass();
                break;
            }
        }
    }
}

}  // namespace quorrel
