#include "shell/zoom.h"

#include <algorithm>
#include <cmath>

#include "window/element.h"

namespace quorrel {
namespace {

// The board panel and the instruction strip, in twips, and the gap between them in pixels at
// scale 1; the layout allows 40 pixels of the outer height for the title bar.
constexpr int kBoardTwips = 3255, kStripWidthTwips = 9255, kStripHeightTwips = 2235;
constexpr double kStripGap = 10, kFrameAllowance = 40;

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

bool BoardFits(double scale, const WindowPixels& window) {
    int board = TwipsToPixels(kBoardTwips, scale);
    int strip_width = TwipsToPixels(kStripWidthTwips, scale);
    int strip_height = TwipsToPixels(kStripHeightTwips, scale);
    double top = std::round((window.outer_height - kFrameAllowance - board) / 2);
    double strip_bottom = top + board + std::round(kStripGap * scale) + strip_height;
    if (board > window.inner_width || top < 0 || top + board > window.inner_height) return false;
    return !window.strip_shown ||
           (strip_width <= window.inner_width && strip_bottom <= window.inner_height);
}

int NextZoomStep(int percent, int direction, double display_scale, const WindowPixels& window) {
    if (!IsStep(percent)) return 100;
    const int count = static_cast<int>(std::size(kZoomSteps));
    int at = static_cast<int>(std::find(kZoomSteps, kZoomSteps + count, percent) - kZoomSteps);
    int next = std::clamp(at + (direction > 0 ? 1 : -1), 0, count - 1);
    if (direction > 0 && !BoardFits(display_scale * kZoomSteps[next] / 100.0, window))
        return percent;
    return kZoomSteps[next];
}

int FitZoomStep(double display_scale, const WindowPixels& window) {
    const int smaller_side = std::min(window.inner_width, window.inner_height);
    int best = 100;
    for (int step : kZoomSteps) {
        double scale = display_scale * step / 100.0;
        if (TwipsToPixels(kBoardTwips, scale) * 2 <= smaller_side && BoardFits(scale, window))
            best = step;
    }
    return best;
}

}  // namespace quorrel
