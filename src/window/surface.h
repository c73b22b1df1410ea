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

// The drawing operations since the reader last took them, one text line each. A figure that
// retraces itself for ever would hold millions; past kMaxLines they are only counted.
struct DrawLog {
    static constexpr size_t kMaxLines = 100000;
    std::vector<std::string> lines;
    uint64_t left_out = 0;
    void Add(std::string line) {
        if (lines.size() < kMaxLines)
            lines.push_back(std::move(line));
        else
            ++left_out;
    }
};

class WindowSurface {
  public:
    // The largest surface kept: an 8K screen either way up (7680 x 4320 or 4320 x 7680), about
    // 127 MiB at four bytes a pixel, and as much again for the frame composited from it. A
    // larger window keeps its real size for the layout; what lies past the surface is never
    // drawn and shows the back colour.
    static constexpr int kMaxSide = 7680;
    static constexpr int64_t kMaxPixels = int64_t{7680} * 4320;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // What the surface shows, as an image of its own (for saving it).
    Image Pixels() const;
    // What the surface shows, into frame's top-left corner, cut at frame's edges.
    void PaintInto(PixelView frame) const;
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

    // The work of a figure's lines is bounded as well as their count: past kMaxFigureWork pixel
    // operations (about 2 s here) since the surface was last cleared, a line is neither drawn,
    // recorded nor logged. Only a figure of long segments at a large scale gets there (the
    // thickest pen across a 4K screen, a few hundred thousand times); every reward figure
    // stays far below it.
    static constexpr int64_t kMaxFigureWork = 2'000'000'000;
    void SetWorkBound(int64_t work) { work_bound_ = work; }  // for tests

    // Each drawing operation is also written to a log when one is attached (headless driver).
    void SetLog(DrawLog* log) { log_ = log; }
    // Counts every change, so a front end can tell when the picture is out of date.
    unsigned Version() const { return version_; }

  private:
    // Until a line is drawn the surface is its back colour with at most one tiling over its
    // top-left part, and holds no pixels of its own: frames are composed from the tile itself.
    // That keeps a window-sized buffer, and the time to fill it, off the start and off every
    // resize of a window that shows no figure.
    struct Backdrop {
        uint32_t back = 0xFF000000;
        Image tile;                 // a copy: the picture it came from may be replaced
        int w = 0, h = 0;           // the block of the tile repeated
        int right = 0, bottom = 0;  // the tiles cover [0, right) x [0, bottom)
    };
    void PaintBackdrop(PixelView into) const;
    // Lays a tiling on the backdrop; false when the backdrop cannot describe the result.
    bool TileBackdrop(const Image& tile, int w, int h, int columns, int rows);
    void LogTiling(int columns, int rows);
    // From the backdrop to pixels of its own, before anything the backdrop cannot describe.
    void Materialize();

    int width_ = 0, height_ = 0;
    Backdrop backdrop_;
    bool drawn_ = false;  // image_ holds what the surface shows
    Image image_;
    std::vector<DrawnLine> figure_;
    int64_t work_ = 0;  // since the last clear
    int64_t work_bound_ = kMaxFigureWork;
    DrawLog* log_ = nullptr;
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
