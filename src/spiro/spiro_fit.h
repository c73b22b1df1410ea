// Where a spirolateral goes in the window and with which pens it is drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "state/game_state.h"

namespace quorrel {

// The square the figure fills: 90 % of the smaller inner side, in the middle of the window.
void SetUpSpiroSquare(SpiroWalk& walk, int inner_width, int inner_height);

// Scales and offsets that stretch the measured bounding box over the whole square, x and y
// independently. A walk without any width (every segment straight down) becomes a vertical
// line through the middle of the square.
void FitSpiro(SpiroWalk& walk);

// Ends the pass in SpiroPass and starts the next: returns the pen width of the drawing pass
// that follows, or 0 when the drawing is finished. A window in its normal state gets one thin
// pass; a larger one gets one to three by LineThickness (0 thick, 1 medium, 2 thin).
int NextSpiroPass(int16_t& pass, bool normal_window, int16_t line_thickness);

// The pen widths of all drawing passes, in order.
std::vector<int> SpiroPenWidths(bool normal_window, int16_t line_thickness);

}  // namespace quorrel
