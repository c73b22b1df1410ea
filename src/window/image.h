// A 32-bit pixel image (0xAARRGGBB) and the few drawing operations the window needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorrel {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Image() = default;
    Image(int w, int h, uint32_t argb = 0xFF000000);
    bool Empty() const { return width <= 0 || height <= 0; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Pixels held elsewhere (an Image, or memory a window lends for one frame): width x height
// pixels in rows `stride` pixels apart. The drawing operations below write through views, so
// a frame can be composed wherever its pixels live.
struct PixelView {
    uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    size_t stride = 0;

    PixelView() = default;
    PixelView(uint32_t* d, int w, int h, size_t s) : data(d), width(w), height(h), stride(s) {}
    PixelView(Image& image)  // NOLINT: an Image is drawn on as a view of itself
        : data(image.pixels.data()),
          width(image.width),
          height(image.height),
          stride(static_cast<size_t>(image.width)) {}
    bool Empty() const { return !data || width <= 0 || height <= 0; }
    uint32_t* Row(int y) const { return data + static_cast<size_t>(y) * stride; }
    uint32_t& At(int x, int y) const { return Row(y)[x]; }
    bool operator==(const PixelView&) const = default;
};

// The same for reading only.
struct ConstPixelView {
    const uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    size_t stride = 0;

    ConstPixelView(const Image& image)  // NOLINT: as above
        : data(image.pixels.data()),
          width(image.width),
          height(image.height),
          stride(static_cast<size_t>(image.width)) {}
    ConstPixelView(PixelView view)  // NOLINT: a writable view may be read
        : data(view.data), width(view.width), height(view.height), stride(view.stride) {}
    const uint32_t* Row(int y) const { return data + static_cast<size_t>(y) * stride; }
};

// Image(w, h, argb) for window-sized images made while someone waits: the memory is mapped in
// one call before it is filled, instead of one page fault at a time.
Image BlankImage(int w, int h, uint32_t argb);
// That mapping, for memory of count pixels nobody has written yet; only a hint to the kernel.
void MapInPixels(const uint32_t* data, size_t count);

// A colour as the elements keep it (&H00BBGGRR), to an opaque 0xAARRGGBB pixel.
constexpr uint32_t PixelFromBgr(uint32_t bgr) {
    return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void FillRect(PixelView image, int x, int y, int w, int h, uint32_t argb);
// A line of a pen width with round ends, aliased like a window-system pen. Returns the work it
// took, in pixel operations (at least 1), for callers that bound the work of many lines.
int64_t DrawLine(PixelView image, double x1, double y1, double x2, double y2, int width,
                 uint32_t argb);
// Straight copy of a block; parts outside either image are skipped.
void CopyBlock(PixelView dst, int dx, int dy, ConstPixelView src, int sx, int sy, int w, int h);
// The block (sx, sy, sw, sh) of src stretched over (dx, dy, dw, dh) of dst, nearest pixel;
// source pixels with alpha below half are left out (icons). The clip rectangle limits drawing.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};
void StretchBlock(PixelView dst, Rect to, const Image& src, Rect from, Rect clip);
// Alpha-blends src onto dst at (dx, dy) inside clip (text).
void BlendImage(PixelView dst, int dx, int dy, const Image& src, Rect clip);
// src resampled to width x height with a box filter: each new pixel is the average of the source
// pixels under its footprint, weighted by how much of each it covers. Colours are averaged
// weighted by alpha, so clear pixels lend no colour to the edges next to them. Meant for
// reducing; enlarging blends at most two neighbours per axis. Empty when either side is not
// positive or src is empty.
Image ResizeArea(const Image& src, int width, int height);

}  // namespace quorrel
