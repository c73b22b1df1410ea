// Picture files through libpng: the pictures' loader for both platforms, and the driver's
// screenshots. Only PNG is read, so no other image library is loaded at start-up.
#pragma once

#include <optional>
#include <string>

#include "window/image.h"

namespace quorrel {

// A PNG file to an image; nullopt when it cannot be read.
std::optional<Image> LoadPicture(const std::string& path);
bool SavePng(const Image& image, const std::string& path);

}  // namespace quorrel
