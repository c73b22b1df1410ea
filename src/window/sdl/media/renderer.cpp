#include "window/sdl/media/renderer.h"

namespace quorrel {

struct Renderer::Fonts {};

Renderer::Renderer() : fonts_(std::make_unique<Fonts>()) {}
Renderer::~Renderer() = default;

void Renderer::Render(const Elements& elements, const WindowSurface& surface, Platform& platform, Image& frame) {
    frame = surface.Pixels();
    for (int id : elements.PaintOrder()) {
        const Element& e = elements.At(id);
        if (!elements.Shown(e) || !e.opaque) continue;
        int x, y;
        elements.WindowPosition(e, x, y);
        FillRect(frame, x, y, e.width, e.height, PixelFromBgr(e.back));
        (void)platform;
    }
}

}  // namespace quorrel
