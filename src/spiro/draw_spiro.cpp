// The window's side of the spirolateral drawing. A drawing lets the window's events run after
// every segment, and one of them may ask for another drawing (a resize, the maker's draw word
// or its OK button): that request only leaves its figure behind, and the drawing in progress
// starts over with it, so two drawings never share the working fields.
#include "spiro/draw_spiro.h"

#include <algorithm>

#include "shell/calc.h"
#include "spiro/spiro_engine.h"

namespace quorrel {
namespace {

class CalcCanvas : public SpiroCanvas {
  public:
    explicit CalcCanvas(Calc& calc) : calc_(calc) {}

    int InnerWidth() override { return calc_.platform.InnerWidth(); }
    int InnerHeight() override { return calc_.platform.InnerHeight(); }
    bool NormalState() override { return calc_.platform.State() == WindowState::Normal; }
    void ClearBackground() override {
        calc_.surface.Clear(calc_.el.window_back);
        calc_.TileBackground();
    }
    void Line(double x1, double y1, double x2, double y2, int width) override {
        // The pen is as wide as the window's scale makes it; the figure's path is already in
        // the window's pixels.
        calc_.surface.Line(x1, y1, x2, y2, std::max(1, calc_.el.Px(width)), calc_.gs.SpiroPenColor);
    }
    Step Pump() override { return calc_.DoEvents(); }
    Interruption Interrupted() override {
        // A panel shown over the figure ends it for good, even when a newer request came in
        // the same pump: that one would stop at once too.
        const ScreenState& screen = calc_.Screens();
        if (screen.Shows(Screen::Maker) || screen.Shows(Screen::Board)) return Interruption::Stop;
        if (calc_.gs.spiro_drawing.replaced) return Interruption::Replaced;
        return Interruption::None;
    }
    uint64_t NowMs() override { return calc_.platform.NowMs(); }
    Step Sleep(int ms) override { return calc_.loop.Sleep(ms); }

  private:
    Calc& calc_;
};

}  // namespace

Step DrawSpiro(Calc& calc, int16_t Order, int16_t Angle, int16_t LeftTurns) {
    // An order below 1 has no segments to walk; such a request changes nothing, not even a
    // drawing in progress.
    if (Order < 1) co_return;
    SpiroDrawing& drawing = calc.gs.spiro_drawing;
    drawing.order = Order;
    drawing.angle = Angle;
    drawing.left_turns = LeftTurns;
    if (drawing.running) {  // the drawing in progress takes the request over
        drawing.replaced = true;
        co_return;
    }

    drawing.running = true;
    SpiroOutcome outcome;
    do {
        drawing.replaced = false;
        CalcCanvas canvas(calc);
        co_await RunSpiro(calc.gs, canvas, {drawing.order, drawing.angle, drawing.left_turns},
                          outcome);
    } while (outcome == SpiroOutcome::Replaced);
    drawing.running = false;
}

}  // namespace quorrel
