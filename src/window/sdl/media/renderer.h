// The software renderer: the window's drawing surface, then every shown panel and its
// children in stacking order, into one 32-bit image.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "window/elements.h"
#include "window/image.h"
#include "window/platform.h"
#include "window/surface.h"

namespace quorrel {

class Renderer {
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // frame takes the size of the surface.
    void Render(const Elements& elements, const WindowSurface& surface, Platform& platform, Image& frame);

private:
    struct Fonts;
    std::unique_ptr<Fonts> fonts_;
};

// PNG (or any format SDL_image reads) to an image; nullopt when it cannot be read.
std::optional<Image> LoadPicture(const std::string& path);
bool SavePng(const Image& image, const std::string& path);

}  // namespace quorrel
