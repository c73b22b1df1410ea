#include "window/render/picture_box.h"

#include <cmath>

namespace quorrel {

void DrawPicture(PixelView frame, Platform& platform, const Element& element, Rect box, Rect clip,
                 double scale) {
    if (element.picture == Picture{}) return;  // none
    const Image* base = platform.GetPicture(element.picture);
    if (!base || base->Empty()) return;
    const bool fitted = element.picture_src_width > 0 && element.picture_src_height > 0;
    // At scale 1 the 1x art is the art for the size; a fitted block a pixel or two off its box
    // (the title's) is stretched from it pixel by pixel, as a window system stretches it.
    if (scale != 1) {
        double fx = fitted ? static_cast<double>(box.w) / element.picture_src_width : scale;
        double fy = fitted ? static_cast<double>(box.h) / element.picture_src_height : scale;
        double w = std::round(base->width * fx), h = std::round(base->height * fy);
        const Image* sized = nullptr;
        if (std::isfinite(w) && std::isfinite(h) && w >= 1 && h >= 1 && w <= 1e6 && h <= 1e6)
            sized =
                platform.GetPictureSized(element.picture, static_cast<int>(w), static_cast<int>(h));
        if (sized) {
            Rect block{0, 0, fitted ? box.w : sized->width, fitted ? box.h : sized->height};
            StretchBlock(frame, {box.x, box.y, block.w, block.h}, *sized, block, clip);
            return;
        }
        // Past the sizes the cache makes, the 1x art stretched pixel by pixel still shows.
    }
    Rect from{0, 0, base->width, base->height};
    Rect to{box.x, box.y, base->width, base->height};
    if (fitted) {
        from = {0, 0, element.picture_src_width, element.picture_src_height};
        to = box;
    }
    StretchBlock(frame, to, *base, from, clip);
}

}  // namespace quorrel
