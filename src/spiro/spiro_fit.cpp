#include "spiro/spiro_fit.h"

#include <algorithm>
#include <cmath>

#include "state/convert.h"

namespace quorrel {
namespace {

// One axis of the fit: pixels per walk unit and the pixel position of walk point 0.
void FitAxis(int16_t size, int16_t centre, float min, float max, float& scale, float& offset) {
    double extent = double{max} - double{min};
    double s = size / extent;
    if (!(extent > 0) || !std::isfinite(s)) {
        scale = 0;
        offset = centre;
        return;
    }
    scale = static_cast<float>(s);
    offset = static_cast<float>(centre - double{scale} * (double{max} + double{min}) / 2);
}

}  // namespace

void SetUpSpiroSquare(SpiroWalk& walk, int inner_width, int inner_height) {
    int16_t size_x = RoundToInt16(0.9 * inner_width);
    int16_t size_y = RoundToInt16(0.9 * inner_height);
    int16_t side = std::min(size_x, size_y);
    walk.SpiroSizeX = walk.SpiroSizeY = side;
    walk.SpiroCenterX = RoundToInt16((inner_width - side) / 2.0 + side / 2.0);
    walk.SpiroCenterY = RoundToInt16((inner_height - side) / 2.0 + side / 2.0);
}

void FitSpiro(SpiroWalk& walk) {
    FitAxis(walk.SpiroSizeX, walk.SpiroCenterX, walk.SpiroMinX, walk.SpiroMaxX, walk.SpiroScaleX,
            walk.SpiroOffsetX);
    FitAxis(walk.SpiroSizeY, walk.SpiroCenterY, walk.SpiroMinY, walk.SpiroMaxY, walk.SpiroScaleY,
            walk.SpiroOffsetY);
}

int NextSpiroPass(int16_t& pass, bool normal_window, int16_t line_thickness) {
    // A thickness outside 0..2 draws as thick, the value the reward sets.
    if (line_thickness < 0 || line_thickness > 2) line_thickness = 0;
    switch (pass) {
        case 0:
            pass = 1;
            if (normal_window) {
                pass = 3;
                return 2;
            }
            return line_thickness == 0 ? 7 : line_thickness == 1 ? 5 : 3;
        case 1:
            pass = 2;
            return line_thickness == 0 ? 5 : line_thickness == 1 ? 2 : 0;
        case 2:
            pass = 3;
            return line_thickness == 0 ? 1 : 0;
        default:
            return 0;
    }
}

std::vector<int> SpiroPenWidths(bool normal_window, int16_t line_thickness) {
    std::vector<int> widths;
    int16_t pass = 0;
    for (int pen; (pen = NextSpiroPass(pass, normal_window, line_thickness)) != 0;)
        widths.push_back(pen);
    return widths;
}

}  // namespace quorrel
