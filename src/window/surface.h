// The window's own drawing surface, kept between frames: the tiled background and the
// spirolaterals are drawn into it, and the panels are painted over it.
#pragma once

#include <string>
#include <vector>

#include "window/image.h"

namespace quorrel {

class WindowSurface {
public:
    const Image& Pixels() const { return image_; }
    // Keeps what is drawn where the old and new sizes overlap; new area gets the back colour.
    void Resize(int width, int height, uint32_t back_bgr);
    void Clear(uint32_t back_bgr);
    void Line(double x1, double y1, double x2, double y2, int width, uint32_t bgr);
    // columns x rows copies of the w x h block at (0, 0) of tile, from the top-left corner.
    void Tile(const Image& tile, int w, int h, int columns, int rows);

    // Each drawing operation is also written to a log when one is attached (headless driver).
    void SetLog(std::vector<std::string>* log) { log_ = log; }
    // Counts every change, so a front end can tell when the picture is out of date.
    unsigned Version() const { return version_; }

private:
    Image image_;
    std::vector<std::string>* log_ = nullptr;
    unsigned version_ = 0;
};

}  // namespace quorrel
