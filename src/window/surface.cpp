#include "window/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorrel {
namespace {

// CopyBlock that writes only the rows that differ; true when any did.
bool CopyBlockIfChanged(Image& dst, int dx, int dy, const Image& src, int w, int h) {
    int64_t left = std::max<int64_t>(0, -int64_t{dx}), top = std::max<int64_t>(0, -int64_t{dy});
    int64_t right = std::min<int64_t>({w, int64_t{dst.width} - dx, src.width});
    int64_t bottom = std::min<int64_t>({h, int64_t{dst.height} - dy, src.height});
    if (left >= right || top >= bottom) return false;
    bool changed = false;
    for (int64_t y = top; y < bottom; ++y) {
        const uint32_t* from = src.pixels.data() + static_cast<size_t>(y) * src.width + left;
        uint32_t* to = dst.pixels.data() + static_cast<size_t>(dy + y) * dst.width + dx + left;
        if (std::equal(from, from + (right - left), to)) continue;
        std::copy(from, from + (right - left), to);
        changed = true;
    }
    return changed;
}

}  // namespace

void WindowSurface::Resize(int width, int height, uint32_t back_bgr) {
    width = std::clamp(width, 0, kMaxSide);
    height = std::clamp(height, 0, kMaxSide);
    if (width > 0 && int64_t{width} * height > kMaxPixels)
        height = static_cast<int>(kMaxPixels / width);
    if (width == image_.width && height == image_.height) return;
    Image resized(width, height, PixelFromBgr(back_bgr));
    CopyBlock(resized, 0, 0, image_, 0, 0, image_.width, image_.height);
    image_ = std::move(resized);
    ++version_;
}

void WindowSurface::Clear(uint32_t back_bgr) {
    std::fill(image_.pixels.begin(), image_.pixels.end(), PixelFromBgr(back_bgr));
    figure_.clear();
    ++version_;
    if (log_) log_->push_back("clear");
}

void WindowSurface::Line(double x1, double y1, double x2, double y2, int width, uint32_t bgr) {
    DrawLine(image_, x1, y1, x2, y2, width, PixelFromBgr(bgr));
    bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    if (finite && figure_.size() < kMaxFigureLines) figure_.push_back({x1, y1, x2, y2, width, bgr});
    ++version_;
    if (log_) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "line %.1f %.1f %.1f %.1f %d &H%X", x1, y1, x2, y2,
                      width, bgr);
        log_->push_back(buffer);
    }
}

void WindowSurface::Tile(const Image& tile, int w, int h, int columns, int rows) {
    // The background timer lays the same tiles over and over: only a tiling that changed a
    // pixel makes the picture out of date.
    TileMark tiling{&tile, w, h, columns, rows, version_};
    if (!(tiling == last_tiling_)) {
        bool changed = false;
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                changed |= CopyBlockIfChanged(image_, i * w, j * h, tile, w, h);
        if (changed) ++version_;
        // The tiles reach past the right and bottom edges: nothing drawn before shows any more.
        if (columns > 0 && rows > 0) figure_.clear();
        tiling.version = version_;
        last_tiling_ = tiling;
    }
    if (log_) log_->push_back("tile " + std::to_string(std::max(columns, 0) * std::max(rows, 0)));
}

}  // namespace quorrel
