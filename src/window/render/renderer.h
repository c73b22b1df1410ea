// The software renderer: the window's drawing surface, then every shown panel and its
// children in stacking order, into one 32-bit image. Both platforms are handed its frames.
#pragma once

#include "window/elements.h"
#include "window/image.h"
#include "window/platform.h"
#include "window/render/text_cache.h"
#include "window/surface.h"

namespace quorrel {

class Renderer {
  public:
    // Composes the frame wherever its pixels live: the surface at its top-left, the panels over
    // it, all cut at the frame's edges. Pictures and text come from the platform.
    void Render(const Elements& elements, const WindowSurface& surface, Platform& platform,
                PixelView frame);

  private:
    TextCache text_;
};

}  // namespace quorrel
