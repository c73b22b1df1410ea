#include "spiro/spiro_engine.h"

#include <cstddef>

#include "spiro/spiro_fit.h"
#include "spiro/spiro_pace.h"

namespace quorrel {

SpiroOutcome RunSpiroAtOnce(GameState& gs, SpiroCanvas& canvas, const SpiroRequest& request) {
    SpiroOutcome outcome = SpiroOutcome::Stopped;
    Step drawing = RunSpiro(gs, canvas, request, outcome);
    drawing.Start();
    return drawing.Done() ? outcome : SpiroOutcome::Stopped;
}

Step RunSpiro(GameState& gs, SpiroCanvas& canvas, SpiroRequest request, SpiroOutcome& outcome) {
    outcome = SpiroOutcome::Finished;
    if (request.order < 1) co_return;
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
            if (int ms = pace.BeforeSegment(canvas.NowMs())) co_await canvas.Sleep(ms);
            canvas.Line(walk.SpiroScaleX * double{walk.SpiroX} + walk.SpiroOffsetX,
                        walk.SpiroScaleY * double{walk.SpiroY} + walk.SpiroOffsetY,
                        walk.SpiroScaleX * double{walk.SpiroNextX} + walk.SpiroOffsetX,
                        walk.SpiroScaleY * double{walk.SpiroNextY} + walk.SpiroOffsetY, pen);
        }
        co_await canvas.Pump();
        switch (canvas.Interrupted()) {
            case SpiroCanvas::Interruption::None:
                break;
            case SpiroCanvas::Interruption::Stop:
                outcome = SpiroOutcome::Stopped;
                co_return;
            case SpiroCanvas::Interruption::Replaced:
                outcome = SpiroOutcome::Replaced;
                co_return;
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
                if (pen == 0) co_return;
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
