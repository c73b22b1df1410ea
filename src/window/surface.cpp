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
    if (width == width_ && height == height_) return;
    const uint32_t back = PixelFromBgr(back_bgr);
    ++version_;
    if (width_ == 0 || height_ == 0) {
        // Nothing was showing: the whole surface is the back colour.
        drawn_ = false;
        image_ = Image();
        backdrop_ = {back, Image(), 0, 0, 0, 0};
    } else if (!drawn_ && (width > width_ || height > height_) && back != backdrop_.back) {
        Materialize();  // the new area differs from the old back colour
    }
    width_ = width;
    height_ = height;
    if (!drawn_) {
        backdrop_.right = std::min(backdrop_.right, width);
        backdrop_.bottom = std::min(backdrop_.bottom, height);
        return;
    }
    Image resized = BlankImage(width, height, back);
    CopyBlock(resized, 0, 0, image_, 0, 0, image_.width, image_.height);
    image_ = std::move(resized);
}

void WindowSurface::Clear(uint32_t back_bgr) {
    // The pixels' storage is kept for the figure that usually follows.
    drawn_ = false;
    backdrop_ = {PixelFromBgr(back_bgr), Image(), 0, 0, 0, 0};
    work_ = 0;
    figure_.clear();
    ++version_;
    if (log_) log_->Add("clear");
}

void WindowSurface::Materialize() {
    // Storage of the right size is kept from the figure before; the backdrop covers every pixel.
    if (image_.width != width_ || image_.height != height_)
        image_ = BlankImage(width_, height_, backdrop_.back);
    PaintBackdrop(image_);
    last_tiling_ = {};
    drawn_ = true;
}

void WindowSurface::PaintBackdrop(PixelView into) const {
    const int width = std::min(into.width, width_), height = std::min(into.height, height_);
    if (width <= 0 || height <= 0 || !into.data) return;
    const Backdrop& b = backdrop_;
    const int right = b.tile.Empty() ? 0 : std::min(b.right, width);
    const int bottom = b.tile.Empty() ? 0 : std::min(b.bottom, height);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = into.Row(y);
        const int tiled = y < bottom ? right : 0;
        std::fill(row + tiled, row + width, b.back);
        if (tiled == 0) continue;
        const uint32_t* from = b.tile.pixels.data() + static_cast<size_t>(y % b.h) * b.tile.width;
        for (int x = 0; x < tiled; x += b.w) std::copy_n(from, std::min(b.w, tiled - x), row + x);
    }
}

void WindowSurface::PaintInto(PixelView frame) const {
    if (drawn_)
        CopyBlock(frame, 0, 0, image_, 0, 0, image_.width, image_.height);
    else
        PaintBackdrop(frame);
}

Image WindowSurface::Pixels() const {
    if (drawn_) return image_;
    Image pixels(width_, height_);
    PaintBackdrop(pixels);
    return pixels;
}

void WindowSurface::Line(double x1, double y1, double x2, double y2, int width, uint32_t bgr) {
    if (work_ >= work_bound_) return;
    if (!drawn_) Materialize();
    work_ += DrawLine(image_, x1, y1, x2, y2, width, PixelFromBgr(bgr));
    bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    if (finite && figure_.size() < kMaxFigureLines) figure_.push_back({x1, y1, x2, y2, width, bgr});
    ++version_;
    if (log_) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "line %.1f %.1f %.1f %.1f %d &H%X", x1, y1, x2, y2,
                      width, bgr);
        log_->Add(buffer);
    }
}

void WindowSurface::Tile(const Image& tile, int w, int h, int columns, int rows) {
    if (TileBackdrop(tile, w, h, columns, rows)) return;
    if (!drawn_) Materialize();
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
    LogTiling(columns, rows);
}

bool WindowSurface::TileBackdrop(const Image& tile, int w, int h, int columns, int rows) {
    if (w <= 0 || h <= 0 || columns <= 0 || rows <= 0 || tile.width < w || tile.height < h)
        return false;
    const int right = static_cast<int>(std::min<int64_t>(int64_t{columns} * w, width_));
    const int bottom = static_cast<int>(std::min<int64_t>(int64_t{rows} * h, height_));
    // Tiles over the whole surface leave nothing drawn showing; tiles over part of it are a
    // backdrop only on a backdrop they cover.
    Backdrop& old = backdrop_;
    if (right < width_ || bottom < height_) {
        if (drawn_) return false;
        if (!old.tile.Empty() && old.right > 0 && old.bottom > 0 &&
            (right < old.right || bottom < old.bottom))
            return false;
    }
    // The background timer lays the same tiles over and over: only a new tiling makes the
    // picture out of date.
    const bool same = !drawn_ && old.w == w && old.h == h && old.right == right &&
                      old.bottom == bottom && old.tile.width == tile.width &&
                      old.tile.pixels == tile.pixels;
    if (!same) {
        ++version_;
        backdrop_ = {old.back, tile, w, h, right, bottom};
    }
    drawn_ = false;
    figure_.clear();
    LogTiling(columns, rows);
    return true;
}

void WindowSurface::LogTiling(int columns, int rows) {
    if (log_) log_->Add("tile " + std::to_string(std::max(columns, 0) * std::max(rows, 0)));
}

}  // namespace quorrel
