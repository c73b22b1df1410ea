#include "window/render/renderer.h"

#include <algorithm>
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

void Fill(Image& frame, Rect r, Rect clip, uint32_t argb) {
    Rect c = Intersect(r, clip);
    if (!Empty(c)) FillRect(frame, c.x, c.y, c.w, c.h, argb);
}

void Frame(Image& frame, Rect r, Rect clip, uint32_t argb) {
    Fill(frame, {r.x, r.y, r.w, 1}, clip, argb);
    Fill(frame, {r.x, r.y + r.h - 1, r.w, 1}, clip, argb);
    Fill(frame, {r.x, r.y, 1, r.h}, clip, argb);
    Fill(frame, {r.x + r.w - 1, r.y, 1, r.h}, clip, argb);
}

// A one-pixel line as a window-system pen draws it: every pixel but the last. The shared line
// routine draws into a copy of the part of the frame the line may touch, so that the panels'
// edges cut it and the last pixel can be put back.
void PenLine(Image& frame, int x1, int y1, int x2, int y2, Rect clip, uint32_t argb) {
    Rect span{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
    Rect area = Intersect(Intersect(span, clip), {0, 0, frame.width, frame.height});
    if (Empty(area)) return;
    Image part(area.w, area.h);
    CopyBlock(part, 0, 0, frame, area.x, area.y, area.w, area.h);
    DrawLine(part, x1 - area.x, y1 - area.y, x2 - area.x, y2 - area.y, 1, argb);
    int lx = x2 - area.x, ly = y2 - area.y;
    if (lx >= 0 && ly >= 0 && lx < area.w && ly < area.h) part.At(lx, ly) = frame.At(x2, y2);
    CopyBlock(frame, area.x, area.y, part, 0, 0, area.w, area.h);
}

// The keyboard focus: a white outline with a dark edge either side, just outside the element so
// that a small word stays readable, and reading on every colour of the board.
void FocusRing(Image& frame, const Elements& elements, Rect window) {
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
    Rect r{x - 2, y - 2, e->width + 4, e->height + 4};
    const uint32_t dark = PixelFromBgr(colour::kBlack), white = PixelFromBgr(colour::kWhite);
    for (uint32_t pen : {dark, white, white, white, dark}) {
        if (Empty(r)) return;
        Frame(frame, r, window, pen);
        r = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
}

void Text(Image& frame, const std::vector<TextLine>& lines, int x, int y, Rect clip) {
    for (const TextLine& line : lines) BlendImage(frame, x + line.x, y + line.y, line.pixels, clip);
}

}  // namespace

void Renderer::Render(const Elements& elements, const WindowSurface& surface, Platform& platform,
                      Image& frame) {
    frame = surface.Pixels();
    const Rect window{0, 0, frame.width, frame.height};
    TextRasteriser* rasteriser = platform.Text();
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
            PenLine(frame, x, y, x + e.width, y + e.height, clip, PixelFromBgr(e.fore));
            continue;
        }
        Rect inside = Intersect(clip, box);
        if (Empty(inside)) continue;
        switch (e.kind) {
            case Kind::PictureBox: {
                if (e.opaque) Fill(frame, box, clip, PixelFromBgr(e.back));
                DrawPicture(frame, platform, e, box, inside, elements.scale);
                if (e.border) Frame(frame, box, clip, kBorder);
                break;
            }
            case Kind::Label: {
                if (e.opaque) Fill(frame, box, clip, PixelFromBgr(e.back));
                int inset = e.border ? 1 : 0;
                if (e.border) Frame(frame, box, clip, kBorder);
                if (e.caption.empty()) break;
                Rect client{x + inset, y + inset, e.width - 2 * inset, e.height - 2 * inset};
                const auto& lines = text_.Get(rasteriser, e.font, e.fore, Cp1252ToUtf8(e.caption),
                                              client.w, e.align, true);
                Text(frame, lines, client.x, client.y, Intersect(clip, client));
                break;
            }
            case Kind::CommandButton: {
                Fill(frame, box, clip, PixelFromBgr(e.back));
                Fill(frame, {x, y, e.width - 1, 1}, clip, kButtonHighlight);
                Fill(frame, {x, y, 1, e.height - 1}, clip, kButtonHighlight);
                Fill(frame, {x + 1, y + e.height - 2, e.width - 2, 1}, clip, kButtonShadow);
                Fill(frame, {x + e.width - 2, y + 1, 1, e.height - 2}, clip, kButtonShadow);
                Fill(frame, {x, y + e.height - 1, e.width, 1}, clip, kButtonDarkShadow);
                Fill(frame, {x + e.width - 1, y, 1, e.height}, clip, kButtonDarkShadow);
                if (e.caption.empty()) break;
                const auto& lines =
                    text_.Get(rasteriser, e.font, colour::kBlack, Cp1252ToUtf8(e.caption), e.width,
                              Align::Centre, false);
                int line_height = rasteriser ? rasteriser->LineHeight(e.font) : 0;
                int top = y + (e.height - line_height) / 2;
                Text(frame, lines, x, top,
                     Intersect(clip, {x + 1, y + 1, e.width - 2, e.height - 2}));
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
