#include "window/image.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace quorrel {

Image::Image(int w, int h, uint32_t argb)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, argb) {}

Image BlankImage(int w, int h, uint32_t argb) {
    Image image;
    image.width = std::max(w, 0);
    image.height = std::max(h, 0);
    const size_t count = static_cast<size_t>(image.width) * image.height;
    image.pixels.reserve(count);
    MapInPixels(image.pixels.data(), count);
    image.pixels.assign(count, argb);
    return image;
}

void MapInPixels(const uint32_t* data, size_t count) {
#ifdef MADV_POPULATE_WRITE
    if (!data || count == 0) return;
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t begin = reinterpret_cast<uintptr_t>(data) & ~(page - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(data + count);
#ifdef MADV_HUGEPAGE
    // Where whole 2 MiB pages fit, private memory may take them: a few faults for the lot. Every
    // pixel is written straight after, so they cost no more memory than small pages.
    constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
    const uintptr_t huge_begin = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t huge_end = end & ~(kHugePage - 1);
    if (huge_end > huge_begin)
        madvise(reinterpret_cast<void*>(huge_begin), huge_end - huge_begin, MADV_HUGEPAGE);
#endif
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)count;
#endif
}

namespace {

// The part [from, from + length) of [0, size) that lies inside it, in 64 bits so that no sum of
// a far-off place and a length overflows; false when nothing is left. Callers index only
// inside what this returns, so no pointer is ever formed outside the pixels, even on a
// surface of no pixels at all.
bool ClipSpan(int64_t from, int64_t length, int64_t size, int& begin, int& end) {
    int64_t b = std::max<int64_t>(from, 0), e = std::min<int64_t>(from + length, size);
    if (b >= e) return false;
    begin = static_cast<int>(b);
    end = static_cast<int>(e);
    return true;
}

}  // namespace

void FillRect(PixelView image, int x, int y, int w, int h, uint32_t argb) {
    int x0, x1, y0, y1;
    if (!ClipSpan(x, w, image.width, x0, x1) || !ClipSpan(y, h, image.height, y0, y1)) return;
    for (int yy = y0; yy < y1; ++yy) std::fill(image.Row(yy) + x0, image.Row(yy) + x1, argb);
}

namespace {

// The rows of a filled disc of the pen's diameter; an even pen is centred on a pixel's
// top-left corner so that it covers as many pixels on each side. Worked out once per line,
// since a line stamps it on every pixel it passes.
struct PenSpan {
    int dy, from, to;
};
std::vector<PenSpan> PenShape(int width) {
    std::vector<PenSpan> spans;
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
        if (from <= to) spans.push_back({dy, from, to});
    }
    return spans;
}

// The pixels a thick line covers, row by row. The pen is stamped at every pixel of the line's
// walk; the stamps on one row always join into one run (consecutive centres are a pixel apart
// and the pen's rows are nested), so each row is filled once at the end instead of once per
// stamp: a line costs its area, not its area times its width.
class RowRuns {
  public:
    RowRuns(int first_row, int last_row)
        : first_(first_row), runs_(static_cast<size_t>(std::max(last_row - first_row + 1, 0))) {}

    void Stamp(int cx, int cy, const std::vector<PenSpan>& pen) {
        for (const PenSpan& span : pen) {
            int row = cy + span.dy - first_;
            if (row < 0 || row >= static_cast<int>(runs_.size())) continue;
            Run& run = runs_[static_cast<size_t>(row)];
            run.from = std::min(run.from, cx + span.from);
            run.to = std::max(run.to, cx + span.to);
        }
    }
    // Fills the runs; the pixels they hold.
    int64_t Fill(PixelView image, uint32_t argb) const {
        int64_t pixels = 0;
        for (size_t i = 0; i < runs_.size(); ++i) {
            if (runs_[i].from > runs_[i].to) continue;
            FillRect(image, runs_[i].from, first_ + static_cast<int>(i),
                     runs_[i].to - runs_[i].from + 1, 1, argb);
            pixels += runs_[i].to - runs_[i].from + 1;
        }
        return pixels;
    }

  private:
    struct Run {
        int from = std::numeric_limits<int>::max(), to = std::numeric_limits<int>::min();
    };
    int first_;
    std::vector<Run> runs_;
};

}  // namespace

int64_t DrawLine(PixelView image, double x1, double y1, double x2, double y2, int width,
                 uint32_t argb) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return 0;
    // Coordinates far outside the image draw nothing useful; clamping keeps the walk bounded.
    auto clampc = [](double v) { return std::clamp(v, -100000.0, 100000.0); };
    long ax = std::lround(clampc(x1)), ay = std::lround(clampc(y1));
    long bx = std::lround(clampc(x2)), by = std::lround(clampc(y2));
    long dx = std::labs(bx - ax), dy = -std::labs(by - ay);
    long sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    long err = dx + dy;
    int margin = width + 1;
    // A line wholly beyond one side of the image draws nothing: not a pixel of it is walked,
    // which matters when a window larger than the image lays a figure out past its edges.
    if (std::max(ax, bx) <= -margin || std::max(ay, by) <= -margin ||
        std::min(ax, bx) >= image.width + margin || std::min(ay, by) >= image.height + margin)
        return 1;
    const bool thin = width <= 1;
    const std::vector<PenSpan> pen = thin ? std::vector<PenSpan>{} : PenShape(width);
    // Only the image's rows that the line's pen can reach.
    const long reach = width / 2 + 1;
    RowRuns runs(static_cast<int>(std::max(std::min(ay, by) - reach, 0L)),
                 static_cast<int>(std::min(std::max(ay, by) + reach, long{image.height} - 1)));
    bool entered = false;
    int64_t steps = 0;
    for (;;) {
        ++steps;
        if (ax > -margin && ay > -margin && ax < image.width + margin &&
            ay < image.height + margin) {
            if (thin) {
                if (ax >= 0 && ay >= 0 && ax < image.width && ay < image.height)
                    image.At(static_cast<int>(ax), static_cast<int>(ay)) = argb;
            } else {
                runs.Stamp(static_cast<int>(ax), static_cast<int>(ay), pen);
            }
            entered = true;
        } else if (entered) {
            break;  // a straight line that has left the image does not come back
        }
        if (ax == bx && ay == by) break;
        long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
    // The work: every pixel walked, times the pen's rows noted at each, and every pixel filled.
    return steps * std::max<int64_t>(1, static_cast<int64_t>(pen.size())) +
           (thin ? 0 : runs.Fill(image, argb));
}

void CopyBlock(PixelView dst, int dx, int dy, ConstPixelView src, int sx, int sy, int w, int h) {
    // Clip the block against both images once, then copy whole rows.
    int64_t left = std::max<int64_t>({0, -int64_t{dx}, -int64_t{sx}});
    int64_t top = std::max<int64_t>({0, -int64_t{dy}, -int64_t{sy}});
    int64_t right = std::min<int64_t>({w, int64_t{dst.width} - dx, int64_t{src.width} - sx});
    int64_t bottom = std::min<int64_t>({h, int64_t{dst.height} - dy, int64_t{src.height} - sy});
    if (left >= right || top >= bottom) return;
    for (int64_t y = top; y < bottom; ++y)
        std::copy_n(src.Row(static_cast<int>(sy + y)) + sx + left, right - left,
                    dst.Row(static_cast<int>(dy + y)) + dx + left);
}

void StretchBlock(PixelView dst, Rect to, const Image& src, Rect from, Rect clip) {
    if (to.w <= 0 || to.h <= 0 || from.w <= 0 || from.h <= 0 || src.Empty()) return;
    int x0, x1, y0, y1, cx0, cx1, cy0, cy1;
    if (!ClipSpan(to.x, to.w, dst.width, x0, x1) || !ClipSpan(to.y, to.h, dst.height, y0, y1) ||
        !ClipSpan(clip.x, clip.w, dst.width, cx0, cx1) ||
        !ClipSpan(clip.y, clip.h, dst.height, cy0, cy1))
        return;
    x0 = std::max(x0, cx0), x1 = std::min(x1, cx1), y0 = std::max(y0, cy0), y1 = std::min(y1, cy1);
    for (int y = y0; y < y1; ++y) {
        int fy = from.y + static_cast<int>(((int64_t{y} - to.y) * from.h) / to.h);
        if (fy < 0 || fy >= src.height) continue;
        for (int x = x0; x < x1; ++x) {
            int fx = from.x + static_cast<int>(((int64_t{x} - to.x) * from.w) / to.w);
            if (fx < 0 || fx >= src.width) continue;
            uint32_t p = src.At(fx, fy);
            if ((p >> 24) >= 0x80) dst.At(x, y) = p | 0xFF000000u;
        }
    }
}

void BlendImage(PixelView dst, int dx, int dy, const Image& src, Rect clip) {
    int x0, x1, y0, y1, cx0, cx1, cy0, cy1;
    if (!ClipSpan(dx, src.width, dst.width, x0, x1) ||
        !ClipSpan(dy, src.height, dst.height, y0, y1) ||
        !ClipSpan(clip.x, clip.w, dst.width, cx0, cx1) ||
        !ClipSpan(clip.y, clip.h, dst.height, cy0, cy1))
        return;
    x0 = std::max(x0, cx0), x1 = std::min(x1, cx1), y0 = std::max(y0, cy0), y1 = std::min(y1, cy1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            uint32_t s = src.At(x - dx, y - dy);
            uint32_t a = s >> 24;
            if (a == 0) continue;
            uint32_t d = dst.At(x, y);
            auto mix = [a](uint32_t sc, uint32_t dc) {
                return (sc * a + dc * (255 - a) + 127) / 255;
            };
            uint32_t r = mix((s >> 16) & 0xFF, (d >> 16) & 0xFF);
            uint32_t g = mix((s >> 8) & 0xFF, (d >> 8) & 0xFF);
            uint32_t b = mix(s & 0xFF, d & 0xFF);
            dst.At(x, y) = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
}

namespace {

// The footprint of each new pixel along one axis, as the source pixels it covers and how much
// of each. Source pixel j spans [j * to, (j + 1) * to) and new pixel i spans
// [i * from, (i + 1) * from), both in units of a common fraction, so the overlaps are whole
// numbers and every footprint's weights add up to exactly `from`.
struct Footprint {
    int first = 0;
    std::vector<int64_t> weights;
};
std::vector<Footprint> Footprints(int from, int to) {
    int g = std::gcd(from, to);
    int64_t f = from / g, t = to / g;
    std::vector<Footprint> out(static_cast<size_t>(to));
    for (int64_t i = 0; i < to; ++i) {
        int64_t begin = i * f, end = begin + f;
        Footprint& fp = out[static_cast<size_t>(i)];
        fp.first = static_cast<int>(begin / t);
        for (int64_t j = fp.first; j * t < end && j < from; ++j)
            fp.weights.push_back(std::min(end, (j + 1) * t) - std::max(begin, j * t));
    }
    return out;
}

}  // namespace

Image ResizeArea(const Image& src, int width, int height) {
    if (width <= 0 || height <= 0 || src.Empty()) return {};
    const std::vector<Footprint> across = Footprints(src.width, width);
    const std::vector<Footprint> down = Footprints(src.height, height);
    // The weights of a new pixel add up to src.width x src.height over the common fractions,
    // which with 8-bit channel times 8-bit alpha stays far inside 64 bits.
    const int64_t total = int64_t{src.width / std::gcd(src.width, width)} *
                          (src.height / std::gcd(src.height, height));
    Image out(width, height, 0);
    // One source row's worth of sums at a time: alpha, then each colour times alpha.
    std::vector<int64_t> column(static_cast<size_t>(src.width) * 4);
    for (int y = 0; y < height; ++y) {
        std::fill(column.begin(), column.end(), 0);
        const Footprint& fy = down[static_cast<size_t>(y)];
        for (size_t k = 0; k < fy.weights.size(); ++k) {
            const uint32_t* row = src.pixels.data() + static_cast<size_t>(fy.first + k) * src.width;
            for (int x = 0; x < src.width; ++x) {
                uint32_t p = row[x];
                int64_t a = (p >> 24) * fy.weights[k];
                int64_t* sum = &column[static_cast<size_t>(x) * 4];
                sum[0] += a;
                sum[1] += a * ((p >> 16) & 0xFF);
                sum[2] += a * ((p >> 8) & 0xFF);
                sum[3] += a * (p & 0xFF);
            }
        }
        for (int x = 0; x < width; ++x) {
            const Footprint& fx = across[static_cast<size_t>(x)];
            int64_t sum[4] = {};
            for (size_t k = 0; k < fx.weights.size(); ++k)
                for (int c = 0; c < 4; ++c)
                    sum[c] += column[(static_cast<size_t>(fx.first) + k) * 4 + c] * fx.weights[k];
            if (sum[0] == 0) continue;  // wholly clear
            // Rounded to the nearest, dividing colour by alpha undoes the weighting by it.
            auto rounded = [](int64_t n, int64_t d) {
                return static_cast<uint32_t>(std::min<int64_t>((n + d / 2) / d, 255));
            };
            out.At(x, y) = rounded(sum[0], total) << 24 | rounded(sum[1], sum[0]) << 16 |
                           rounded(sum[2], sum[0]) << 8 | rounded(sum[3], sum[0]);
        }
    }
    return out;
}

}  // namespace quorrel
