#include "spiro/spiro_engine.h"

#include <cstddef>

#include "spiro/spiro_fit.h"
#include "spiro/spiro_pace.h"

namespace quorrel {

SpiroOutcome RunSpiro(GameState& gs, SpiroCanvas& canvas, const SpiroRequest& request) {
    if (request.order < 1) return SpiroOutcome::Finished;
    SetUpSpiroSquare(gs, canvas.InnerWidth(), canvas.InnerHeight());
    SpiroWalker walker(gs, request);
    walker.StartFigure();
    walker.StartPass();
    SpiroPace pace;
    int pen = 0;
    for (;;) {
        walker.NextPoint();
        if (gs.SpiroPass == 0) {
            walker.Widen();
        } else {
            if (int ms = pace.BeforeSegment(canvas.NowMs())) canvas.Sleep(ms);
            canvas.Line(gs.SpiroScaleX * double{gs.SpiroX} + gs.SpiroOffsetX,
                        gs.SpiroScaleY * double{gs.SpiroY} + gs.SpiroOffsetY,
                        gs.SpiroScaleX * double{gs.SpiroNextX} + gs.SpiroOffsetX,
                        gs.SpiroScaleY * double{gs.SpiroNextY} + gs.SpiroOffsetY, pen);
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
                bool measured = gs.SpiroPass == 0;
                bool normal = canvas.NormalState();
                if (measured) FitSpiro(gs);
                pen = NextSpiroPass(gs.SpiroPass, normal, gs.LineThickness);
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
