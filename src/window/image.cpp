#include "window/image.h"

#include <algorithm>
#include <cmath>

namespace quorrel {

Image::Image(int w, int h, uint32_t argb)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, argb) {}

void FillRect(Image& image, int x, int y, int w, int h, uint32_t argb) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, image.width), y1 = std::min(y + h, image.height);
    for (int yy = y0; yy < y1; ++yy)
        std::fill(&image.At(x0, yy), &image.At(x0, yy) + std::max(x1 - x0, 0), argb);
}

namespace {

// Stamps a filled disc of the pen's diameter on a pixel; an even pen is centred on the pixel's
// top-left corner so that it covers as many pixels on each side.
void Stamp(Image& image, int cx, int cy, int width, uint32_t argb) {
    if (width <= 1) {
        if (cx >= 0 && cy >= 0 && cx < image.width && cy < image.height) image.At(cx, cy) = argb;
        return;
    }
    double r2 = width * width / 4.0;
    double o = width % 2 == 0 ? -0.5 : 0.0;
    int reach = width / 2;
    for (int dy = -reach; dy <= reach; ++dy) {
        int from = 1, to = 0;
        for (int dx = -reach; dx <= reach; ++dx) {
            if ((dx - o) * (dx - o) + (dy - o) * (dy - o) > r2) continue;
            if (from > to) from = dx;
            to = dx;
        }
        if (from <= to) FillRect(image, cx + from, cy + dy, to - from + 1, 1, argb);
    }
}

}  // namespace

void DrawLine(Image& image, double x1, double y1, double x2, double y2, int width, uint32_t argb) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    // Coordinates far outside the image draw nothing useful; clamping keeps the walk bounded.
    auto clampc = [](double v) { return std::clamp(v, -100000.0, 100000.0); };
    long ax = std::lround(clampc(x1)), ay = std::lround(clampc(y1));
    long bx = std::lround(clampc(x2)), by = std::lround(clampc(y2));
    long dx = std::labs(bx - ax), dy = -std::labs(by - ay);
    long sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    long err = dx + dy;
    int margin = width + 1;
    for (;;) {
        if (ax > -margin && ay > -margin && ax < image.width + margin && ay < image.height + margin)
            Stamp(image, static_cast<int>(ax), static_cast<int>(ay), width, argb);
        if (ax == bx && ay == by) break;
        long e2 = 2 * err;
        if (e2 >= dy) { err += dy; ax += sx; }
        if (e2 <= dx) { err += dx; ay += sy; }
    }
}

void CopyBlock(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h) {
    // Clip the block against both images once, then copy whole rows.
    int left = std::max({0, -dx, -sx});
    int top = std::max({0, -dy, -sy});
    int right = std::min({w, dst.width - dx, src.width - sx});
    int bottom = std::min({h, dst.height - dy, src.height - sy});
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y)
        std::copy_n(src.pixels.data() + static_cast<size_t>(sy + y) * src.width + sx + left, right - left,
                    &dst.At(dx + left, dy + y));
}

void StretchBlock(Image& dst, Rect to, const Image& src, Rect from, Rect clip) {
    if (to.w <= 0 || to.h <= 0 || from.w <= 0 || from.h <= 0 || src.Empty()) return;
    int x0 = std::max({to.x, clip.x, 0}), y0 = std::max({to.y, clip.y, 0});
    int x1 = std::min({to.x + to.w, clip.x + clip.w, dst.width});
    int y1 = std::min({to.y + to.h, clip.y + clip.h, dst.height});
    for (int y = y0; y < y1; ++y) {
        int fy = from.y + static_cast<int>((static_cast<int64_t>(y - to.y) * from.h) / to.h);
        if (fy < 0 || fy >= src.height) continue;
        for (int x = x0; x < x1; ++x) {
            int fx = from.x + static_cast<int>((static_cast<int64_t>(x - to.x) * from.w) / to.w);
            if (fx < 0 || fx >= src.width) continue;
            uint32_t p = src.At(fx, fy);
            if ((p >> 24) >= 0x80) dst.At(x, y) = p | 0xFF000000u;
        }
    }
}

void BlendImage(Image& dst, int dx, int dy, const Image& src, Rect clip) {
    int x0 = std::max({dx, clip.x, 0}), y0 = std::max({dy, clip.y, 0});
    int x1 = std::min({dx + src.width, clip.x + clip.w, dst.width});
    int y1 = std::min({dy + src.height, clip.y + clip.h, dst.height});
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            uint32_t s = src.At(x - dx, y - dy);
            uint32_t a = s >> 24;
            if (a == 0) continue;
            uint32_t d = dst.At(x, y);
            auto mix = [a](uint32_t sc, uint32_t dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
            uint32_t r = mix((s >> 16) & 0xFF, (d >> 16) & 0xFF);
            uint32_t g = mix((s >> 8) & 0xFF, (d >> 8) & 0xFF);
            uint32_t b = mix(s & 0xFF, d & 0xFF);
            dst.At(x, y) = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
}

}  // namespace quorrel
