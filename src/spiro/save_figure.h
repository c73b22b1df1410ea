// Keeping the figure on the window: a PNG of the drawing surface and an SVG of its lines, in
// the user's pictures folder, with a notice that says where they went.
#pragma once

#include "window/step.h"

namespace quorrel {

class Calc;

inline constexpr const char* kSaveFolderName = "Quorrel";

// The window's surface holds a figure that no board covers.
bool FigureShowing(Calc& calc);

// Saves the figure the surface holds (the one last asked for, as far as it is drawn) and shows
// the notice; at the sound level "Yes" a saved figure is praised. Beeps when there is none.
Step SaveShownFigure(Calc& calc);

}  // namespace quorrel
