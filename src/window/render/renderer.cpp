#include "window/render/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "state/convert.h"
#include "window/render/picture_box.h"

namespace quorrel {
namespace {

constexpr uint32_t kBorder = PixelFromBgr(colour::kBlack);
// The classic raised button: a white highlight and a black outer shadow, with a grey inner one.
constexpr uint32_t kButtonHighlight = PixelFromBgr(colour::kWhite);
constexpr uint32_t kButtonShadow = PixelFromBgr(0x808080);
constexpr uint32_t kButtonDarkShadow = PixelFromBgr(colour::kDarkGrey);

Rect Intersect(Rect a, Rect b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    return {x0, y0, std::max(x1 - x0, 0), std::max(y1 - y0, 0)};
}

bool Empty(Rect r) { return r.w <= 0 || r.h <= 0; }

void Fill(PixelView frame, Rect r, Rect clip, uint32_t argb) {
    Rect c = Intersect(r, clip);
    if (!Empty(c)) FillRect(frame, c.x, c.y, c.w, c.h, argb);
}

// The width of a one-pixel border or pen at a scale.
int Unit(double scale) { return std::max(1, static_cast<int>(std::lround(scale))); }

void Frame(PixelView frame, Rect r, Rect clip, uint32_t argb, int t = 1) {
    Fill(frame, {r.x, r.y, r.w, t}, clip, argb);
    Fill(frame, {r.x, r.y + r.h - t, r.w, t}, clip, argb);
    Fill(frame, {r.x, r.y, t, r.h}, clip, argb);
    Fill(frame, {r.x + r.w - t, r.y, t, r.h}, clip, argb);
}

// The classic raised button, its edges as wide as the scale makes a pixel.
void ButtonEdges(PixelView frame, Rect b, Rect clip, int t) {
    Fill(frame, {b.x, b.y, b.w - t, t}, clip, kButtonHighlight);
    Fill(frame, {b.x, b.y, t, b.h - t}, clip, kButtonHighlight);
    Fill(frame, {b.x + t, b.y + b.h - 2 * t, b.w - 2 * t, t}, clip, kButtonShadow);
    Fill(frame, {b.x + b.w - 2 * t, b.y + t, t, b.h - 2 * t}, clip, kButtonShadow);
    Fill(frame, {b.x, b.y + b.h - t, b.w, t}, clip, kButtonDarkShadow);
    Fill(frame, {b.x + b.w - t, b.y, t, b.h}, clip, kButtonDarkShadow);
}

// A line as a window-system pen draws it: a one-pixel pen leaves out the last pixel. The shared
// line routine draws into a copy of the part of the frame the pen may touch, so that the
// panels' edges cut it and that pixel can be put back.
void PenLine(PixelView frame, int x1, int y1, int x2, int y2, int width, Rect clip, uint32_t argb) {
    const int reach = width > 1 ? width : 0;
    Rect span{std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::abs(x2 - x1) + 1 + 2 * reach,
              std::abs(y2 - y1) + 1 + 2 * reach};
    Rect area = Intersect(Intersect(span, clip), {0, 0, frame.width, frame.height});
    if (Empty(area)) return;
    Image part(area.w, area.h);
    CopyBlock(part, 0, 0, frame, area.x, area.y, area.w, area.h);
    DrawLine(part, x1 - area.x, y1 - area.y, x2 - area.x, y2 - area.y, width, argb);
    int lx = x2 - area.x, ly = y2 - area.y;
    if (width <= 1 && lx >= 0 && ly >= 0 && lx < area.w && ly < area.h)
        part.At(lx, ly) = frame.At(x2, y2);
    CopyBlock(frame, area.x, area.y, part, 0, 0, area.w, area.h);
}

// The keyboard focus: a white outline with a dark edge either side, just outside the element so
// that a small word stays readable, and reading on every colour of the board.
void FocusRing(PixelView frame, const Elements& elements, Rect window) {
    const int t = Unit(elements.scale);
    const Elements::KeyFocus& focus = elements.focus;
    if (!focus.shown || focus.element < 0) return;
    const Element* e = &elements.At(focus.element);
    if (!elements.Shown(*e)) return;
    // A caption that fills its box across (a number in its square) rings the whole box.
    if (e->kind == Kind::Label && e->parent >= 0 && elements.At(e->parent).parent >= 0 &&
        elements.At(e->parent).width == e->width)
        e = &elements.At(e->parent);
    int x, y;
    elements.WindowPosition(*e, x, y);
    Rect r{x - 2 * t, y - 2 * t, e->width + 4 * t, e->height + 4 * t};
    const uint32_t dark = PixelFromBgr(colour::kBlack), white = PixelFromBgr(colour::kWhite);
    for (uint32_t pen : {dark, white, white, white, dark}) {
        if (Empty(r)) return;
        Frame(frame, r, window, pen, t);
        r = {r.x + t, r.y + t, r.w - 2 * t, r.h - 2 * t};
    }
}

void Text(PixelView frame, const std::vector<TextLine>& lines, int x, int y, Rect clip) {
    for (const TextLine& line : lines) BlendImage(frame, x + line.x, y + line.y, line.pixels, clip);
}

}  // namespace

void Renderer::Render(const Elements& elements, const WindowSurface& surface, Platform& platform,
                      PixelView frame) {
    surface.PaintInto(frame);
    const Rect window{0, 0, frame.width, frame.height};
    TextRasteriser* rasteriser = platform.Text();
    const int t = Unit(elements.scale);
    // Fonts are sized in points at 96 dots per inch; the scale enlarges them like the rest.
    auto scaled = [&elements](Font font) {
        font.points = static_cast<float>(font.points * elements.scale);
        return font;
    };
    for (int id : elements.PaintOrder()) {
        const Element& e = elements.At(id);
        if (e.kind == Kind::MediaPlayer || !elements.Shown(e)) continue;
        int x, y;
        elements.WindowPosition(e, x, y);
        const Rect box{x, y, e.width, e.height};
        // Every panel an element sits in cuts it off at its edges.
        Rect clip = window;
        for (int p = e.parent; p >= 0 && !Empty(clip); p = elements.At(p).parent) {
            const Element& parent = elements.At(p);
            int px, py;
            elements.WindowPosition(parent, px, py);
            clip = Intersect(clip, {px, py, parent.width, parent.height});
        }
        if (Empty(clip)) continue;
        if (e.kind == Kind::Line) {
            PenLine(frame, x, y, x + e.width, y + e.height, t, clip, PixelFromBgr(e.fore));
            continue;
        }
        Rect inside = Intersect(clip, box);
        if (Empty(inside)) continue;
        switch (e.kind) {
            case Kind::PictureBox: {
                if (e.opaque) Fill(frame, box, clip, PixelFromBgr(e.back));
                DrawPicture(frame, platform, e, box, inside, elements.scale);
                if (e.border) Frame(frame, box, clip, kBorder, t);
                break;
            }
            case Kind::Label: {
                if (e.opaque) Fill(frame, box, clip, PixelFromBgr(e.back));
                int inset = e.border ? t : 0;
                if (e.border) Frame(frame, box, clip, kBorder, t);
                if (e.caption.empty()) break;
                Rect client{x + inset, y + inset, e.width - 2 * inset, e.height - 2 * inset};
                const auto& lines =
                    text_.Get(rasteriser, scaled(e.font), e.fore,
                              ValidUtf8(elements.ShownCaption(e)), client.w, e.align, true);
                Text(frame, lines, client.x, client.y, Intersect(clip, client));
                break;
            }
            case Kind::CommandButton: {
                Fill(frame, box, clip, PixelFromBgr(e.back));
                ButtonEdges(frame, box, clip, t);
                if (e.caption.empty()) break;
                const Font font = scaled(e.font);
                const auto& lines =
                    text_.Get(rasteriser, font, colour::kBlack, ValidUtf8(elements.ShownCaption(e)),
                              e.width, Align::Centre, false);
                int line_height = rasteriser ? rasteriser->LineHeight(font) : 0;
                int top = y + (e.height - line_height) / 2;
                Text(frame, lines, x, top,
                     Intersect(clip, {x + t, y + t, e.width - 2 * t, e.height - 2 * t}));
                break;
            }
            case Kind::Line:
            case Kind::MediaPlayer:
                break;
        }
    }
    FocusRing(frame, elements, window);
}

}  // namespace quorrel
