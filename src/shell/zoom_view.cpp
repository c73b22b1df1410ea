// The zoom as the window applies it: every element laid out again at the new scale, the panels
// centred afresh, and the choice remembered in the game's preferences folder.
#include "shell/app_folders.h"
#include "shell/calc.h"

namespace quorrel {

ZoomRoom Calc::Room() {
    Placement outer = platform.GetPlacement();
    const Element &board = el(Name::Floater), &strip = el(Name::Hellf);
    return {outer.width / platform.TwipsPerPixelX(),
            outer.height / platform.TwipsPerPixelY(),
            platform.InnerWidth(),
            platform.InnerHeight(),
            board.twips.width,
            strip.twips.width,
            strip.twips.height,
            screen_.Has(Overlay::Strip)};
}

void Calc::ApplyZoomPercent(int percent) {
    zoom.percent = percent;
    platform.SetZoom(percent / 100.0);
    el.Rescale(platform.DisplayScale() * percent / 100.0);
}

void Calc::LoadZoom() {
    std::string folder = platform.ConfigFolder(), text;
    zoom = !folder.empty() && ReadSmallTextFile(folder + "/" + kZoomFileName, text)
               ? ParseZoomFile(text)
               : ZoomChoice{};
    // A fitted zoom is chosen once the window has its size.
    ApplyZoomPercent(zoom.fit ? 100 : zoom.percent);
}

Step Calc::Zoom(ZoomRequest request) {
    if (platform.State() == WindowState::Minimized) co_return;
    ZoomChoice wanted = zoom;
    const double display = platform.DisplayScale();
    switch (request) {
        case ZoomRequest::In:
        case ZoomRequest::Out:
            wanted = {
                NextZoomStep(zoom.percent, request == ZoomRequest::In ? 1 : -1, display, Room()),
                false};
            break;
        case ZoomRequest::Reset:
            wanted = {100, false};
            break;
        case ZoomRequest::Fit:
            wanted = {FitZoomStep(display, Room()), true};
            break;
    }
    if (request == ZoomRequest::In && wanted.percent == zoom.percent) {
        platform.Beep();  // the window cannot hold a larger board
        co_return;
    }
    bool changed = wanted.percent != zoom.percent;
    zoom.fit = wanted.fit;
    if (changed) {
        ApplyZoomPercent(wanted.percent);
        co_await LayOut(true);
    }
    std::string folder = platform.ConfigFolder();
    if (!folder.empty() && MakeFolders(folder, 0700).empty())
        WriteFileAtomically(folder + "/" + kZoomFileName, FormatZoomFile(zoom));
}

void Calc::PlaceStripAndNotice() {
    const Element& board = el(Name::Floater);
    Element& strip = el(Name::Hellf);
    strip.top = board.top + board.height + el.Px(kStripGap);
    strip.left = board.left - (strip.width - board.width) / 2;
    el(Name::RestoreHint).left = board.left;
    el(Name::RestoreHint).top = board.top;
}

}  // namespace quorrel
