// Picture files through SDL2_image: the pictures' loader for both platforms, and the
// driver's screenshots.
#pragma once

#include <optional>
#include <string>

#include "window/image.h"

namespace quorrel {

// PNG (or any format SDL_image reads) to an image; nullopt when it cannot be read.
std::optional<Image> LoadPicture(const std::string& path);
bool SavePng(const Image& image, const std::string& path);

}  // namespace quorrel
