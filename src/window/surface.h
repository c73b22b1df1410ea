// The window's own drawing surface, kept between frames: the tiled background and the
// spirolaterals are drawn into it, and the panels are painted over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/image.h"

namespace quorrel {

// One line as it was drawn: window pixels, pen width in pixels, colour as &H00BBGGRR.
struct DrawnLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 0;
    uint32_t bgr = 0;
};

class WindowSurface {
  public:
    // The largest surface kept: an 8K screen either way up (7680 x 4320 or 4320 x 7680), about
    // 127 MiB at four bytes a pixel, and as much again for the frame composited from it. A
    // larger window keeps its real size for the layout; what lies past the surface is never
    // drawn and shows the back colour.
    static constexpr int kMaxSide = 7680;
    static constexpr int64_t kMaxPixels = int64_t{7680} * 4320;

    const Image& Pixels() const { return image_; }
    // Keeps what is drawn where the old and new sizes overlap; new area gets the back colour.
    // Sizes are cut down to the bounds above.
    void Resize(int width, int height, uint32_t back_bgr);
    void Clear(uint32_t back_bgr);
    void Line(double x1, double y1, double x2, double y2, int width, uint32_t bgr);
    // columns x rows copies of the w x h block at (0, 0) of tile, from the top-left corner.
    void Tile(const Image& tile, int w, int h, int columns, int rows);

    // The lines drawn since the surface was last cleared or tiled over: the figure it shows,
    // for saving it as lines. A figure that retraces itself for ever stops being recorded at
    // kMaxFigureLines; what follows only repeats what is kept.
    static constexpr size_t kMaxFigureLines = 100000;  // 4 MB
    const std::vector<DrawnLine>& Figure() const { return figure_; }

    // Each drawing operation is also written to a log when one is attached (headless driver).
    void SetLog(std::vector<std::string>* log) { log_ = log; }
    // Counts every change, so a front end can tell when the picture is out of date.
    unsigned Version() const { return version_; }

  private:
    Image image_;
    std::vector<DrawnLine> figure_;
    std::vector<std::string>* log_ = nullptr;
    unsigned version_ = 0;
    // The last tiling and the version it left: the same tiling again on a surface nothing was
    // drawn on since cannot change a pixel, and costs nothing to skip.
    struct TileMark {
        const Image* tile = nullptr;
        int w = 0, h = 0, columns = 0, rows = 0;
        unsigned version = 0;
        bool operator==(const TileMark&) const = default;
    } last_tiling_;
};

}  // namespace quorrel
