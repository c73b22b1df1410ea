// The zoom on top of the desktop's scale: one of a few steps, or "fit", which picks the step
// for the window's size afresh on every resize. It is kept in a file of its own ("150" or
// "fit"), apart from the settings file.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

inline constexpr int kZoomSteps[] = {100, 125, 150, 200, 250, 300};
inline constexpr const char* kZoomFileName = "zoom";

struct ZoomChoice {
    int percent = 100;
    bool fit = false;
};

enum class ZoomRequest { In, Out, Reset, Fit };

// A missing, unreadable or unknown value gives 100 %.
ZoomChoice ParseZoomFile(std::string_view text);
std::string FormatZoomFile(const ZoomChoice& zoom);

// The resize layout's measures at scale 1, in pixels: the outer height it keeps for the title
// bar and the frame, and the gap between the board and the instruction strip under it.
inline constexpr int kFrameAllowance = 40;
inline constexpr int kStripGap = 10;

// What the zoom weighs: the window's outer and inner size in pixels, the board and the
// instruction strip as stored (twips), and whether the strip is up under the board.
struct ZoomRoom {
    double outer_width = 0, outer_height = 0;
    int inner_width = 0, inner_height = 0;
    int board_twips = 0, strip_width_twips = 0, strip_height_twips = 0;
    bool strip_shown = false;
};

// Whether the board, centred as the resize layout centres it, and the instruction strip under
// it while it is up, fit inside the window at a scale.
bool BoardFits(double scale, const ZoomRoom& room);

// The next step up or down from percent (direction +1 or -1) that the window can hold; percent
// itself when there is none. Steps down are always offered.
int NextZoomStep(int percent, int direction, double display_scale, const ZoomRoom& room);

// The saved step when the board fits at it, else the largest smaller step at which it does;
// 100 % at least. A window too small for the saved step must not open with the board cut off.
int FittingZoomStep(int percent, double display_scale, const ZoomRoom& room);

// The largest step at which the board fills no more than half the window's smaller side and
// still fits; 100 % at least.
int FitZoomStep(double display_scale, const ZoomRoom& room);

}  // namespace quorrel
