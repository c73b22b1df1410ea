// The layout on resize: the panels keep their size and are centred together in the window (or
// on the screen when it has just been maximised); in the maker the figure is drawn again at the
// new size.
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// The panels that take turns at the board's place. The instruction strip and the maker notice
// follow the board; Paper, hidden, stays put.
constexpr Name kCentredPanels[] = {Name::Floater, Name::First, Name::SelFloat, Name::MoreFloat,
                                   Name::Helper,  Name::Hist,  Name::Spirom};

enum class Layout { None, Window, Screen };

Layout LayoutFor(WindowState previous, WindowState current) {
    switch (current) {
        case WindowState::Maximized:
            // Maximising again moves nothing and does not repaint.
            return previous == WindowState::Maximized ? Layout::None : Layout::Screen;
        case WindowState::Normal:
            // Also on the way back from minimised: the panels are centred afresh in whatever
            // size the window returns with.
            return Layout::Window;
        case WindowState::Minimized:
            break;
    }
    // A minimised window has nothing to show; its caption-bar size would only push the panels
    // off to the left.
    return Layout::None;
}

}  // namespace

Step Calc::Form_Resize() { co_await LayOut(false); }

Step Calc::LayOut(bool force) {
    WindowState current = platform.State();
    Layout layout = LayoutFor(static_cast<WindowState>(gs.StartWindowState), current);
    if (force && current != WindowState::Minimized)
        layout = current == WindowState::Maximized ? Layout::Screen : Layout::Window;
    // A fitted zoom is chosen again for the new size before anything is placed.
    if (layout != Layout::None && zoom.fit) {
        int percent = FitZoomStep(platform.DisplayScale(), Room());
        if (percent != zoom.percent) ApplyZoomPercent(percent);
    }
    if (layout != Layout::None) {
        // The title is set afresh (a refused move may have left "No" in it) and kept as the
        // window reports it.
        SetTitle(gs.TitleText);
        gs.TitleText = platform.Title();
        double width_twips, height_twips;
        if (layout == Layout::Screen) {
            width_twips = platform.ScreenWidthTwips();
            height_twips = platform.ScreenHeightTwips();
        } else {
            Placement outer = platform.GetPlacement();
            width_twips = outer.width;
            height_twips = outer.height;
        }
        // Every panel is centred with the board's size; First, two pixels larger, sits one
        // pixel off centre. A window narrower than the board gives a negative left edge.
        const Element& board = el(Name::Floater);
        int16_t x = RoundToInt16((width_twips / platform.TwipsPerPixelX() - board.width) / 2);
        int16_t y = RoundToInt16(
            (height_twips / platform.TwipsPerPixelY() - kFrameAllowance - board.height) / 2);
        for (Name panel : kCentredPanels) {
            el(panel).left = x;
            el(panel).top = y;
        }
        PlaceStripAndNotice();

        platform.Show();
        TileBackground();
        // The maker's figure is fitted to the window, so it is drawn again (while a value is
        // typed this only beeps and the keypad stays open).
        if (gs.MakerMode) co_await game_->RedrawMakerFigure();
    }
    // Read again: the drawing above lets events run, and a resize among them has already
    // recorded a newer state.
    gs.StartWindowState = static_cast<int16_t>(platform.State());
    LayOutHelpPanel();
}

}  // namespace quorrel
