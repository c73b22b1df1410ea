#include "shell/zoom.h"

#include <algorithm>

#include "state/convert.h"
#include "window/element.h"

namespace quorrel {
namespace {

bool IsStep(int percent) {
    return std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) != std::end(kZoomSteps);
}

}  // namespace

ZoomChoice ParseZoomFile(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    if (text == "fit") return {100, true};
    for (int step : kZoomSteps)
        if (text == std::to_string(step)) return {step, false};
    return {};
}

std::string FormatZoomFile(const ZoomChoice& zoom) {
    return (zoom.fit ? std::string("fit") : std::to_string(zoom.percent)) + "\n";
}

bool BoardFits(double scale, const ZoomRoom& room) {
    int board = TwipsToPixels(room.board_twips, scale);
    int strip_width = TwipsToPixels(room.strip_width_twips, scale);
    int strip_height = TwipsToPixels(room.strip_height_twips, scale);
    // The board's top edge as the resize layout places it.
    int top = RoundToInt16((room.outer_height - kFrameAllowance - board) / 2);
    int strip_bottom = top + board + RoundToInt32(kStripGap * scale) + strip_height;
    if (board > room.inner_width || top < 0 || top + board > room.inner_height) return false;
    return !room.strip_shown ||
           (strip_width <= room.inner_width && strip_bottom <= room.inner_height);
}

int NextZoomStep(int percent, int direction, double display_scale, const ZoomRoom& room) {
    if (!IsStep(percent)) return 100;
    const int count = static_cast<int>(std::size(kZoomSteps));
    int at = static_cast<int>(std::find(kZoomSteps, kZoomSteps + count, percent) - kZoomSteps);
    int next = std::clamp(at + (direction > 0 ? 1 : -1), 0, count - 1);
    if (direction > 0 && !BoardFits(display_scale * kZoomSteps[next] / 100.0, room)) return percent;
    return kZoomSteps[next];
}

int FittingZoomStep(int percent, double display_scale, const ZoomRoom& room) {
    int best = 100;
    for (int step : kZoomSteps)
        if (step <= percent && BoardFits(display_scale * step / 100.0, room)) best = step;
    return best;
}

int FitZoomStep(double display_scale, const ZoomRoom& room) {
    const int smaller_side = std::min(room.inner_width, room.inner_height);
    int best = 100;
    for (int step : kZoomSteps) {
        double scale = display_scale * step / 100.0;
        if (TwipsToPixels(room.board_twips, scale) * 2 <= smaller_side && BoardFits(scale, room))
            best = step;
    }
    return best;
}

}  // namespace quorrel
