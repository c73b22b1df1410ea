// The spirolateral drawing: measure the walk, fit it into the window, then draw it segment by
// segment in one to three passes, letting the window's events run after every segment.
#pragma once

#include <cstdint>

#include "spiro/spiro_walk.h"
#include "state/game_state.h"
#include "window/step.h"

namespace quorrel {

// What the drawing needs from the window.
class SpiroCanvas {
  public:
    enum class Interruption { None, Stop, Replaced };

    virtual ~SpiroCanvas() = default;
    virtual int InnerWidth() = 0;
    virtual int InnerHeight() = 0;
    virtual bool NormalState() = 0;
    // Clears the drawing surface and repaints the background, once per figure.
    virtual void ClearBackground() = 0;
    virtual void Line(double x1, double y1, double x2, double y2, int width) = 0;
    // Lets the window run its pending events once.
    virtual Step Pump() = 0;
    // Asked after every pump: Stop when a panel was shown over the figure; Replaced when a newer
    // drawing was requested meanwhile. (A close ends the drawing's step itself.)
    virtual Interruption Interrupted() = 0;
    virtual uint64_t NowMs() = 0;
    virtual Step Sleep(int ms) = 0;
};

enum class SpiroOutcome { Finished, Stopped, Replaced };

// Draws one figure, walking in gs.spiro_drawing.walk, and says how it ended in outcome; nothing
// in that record is read before this call sets it, so a drawing that was replaced leaves
// nothing behind that matters.
Step RunSpiro(GameState& gs, SpiroCanvas& canvas, SpiroRequest request, SpiroOutcome& outcome);
// The same on a canvas that never waits, to its end.
SpiroOutcome RunSpiroAtOnce(GameState& gs, SpiroCanvas& canvas, const SpiroRequest& request);

}  // namespace quorrel
