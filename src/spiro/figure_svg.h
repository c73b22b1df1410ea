// A drawn figure as an SVG document: the same lines, pen widths, round ends and colours, in a
// view box of the window's pixels, so that it prints sharply at any size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/surface.h"

namespace quorrel {

// width x height pixels on a back colour (&H00BBGGRR); lines in the order drawn.
std::string FigureSvg(const std::vector<DrawnLine>& lines, int width, int height,
                      uint32_t back_bgr);

// "#RRGGBB" of a colour held as &H00BBGGRR.
std::string HtmlColour(uint32_t bgr);

}  // namespace quorrel
