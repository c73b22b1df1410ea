// Picture files through the single-file stb decoders: the web edition's pictures and the web
// driver's screenshots, the same calls as the desktop's libpng ones. Only PNG is read.
#pragma once

#include <optional>
#include <string>

#include "window/image.h"

namespace quorrel {

// A PNG file to an image; nullopt when it cannot be read.
std::optional<Image> LoadPicture(const std::string& path);
// The image as a PNG file's bytes; empty when it has no pixels or cannot be encoded.
std::string EncodePng(const Image& image);
bool SavePng(const Image& image, const std::string& path);

}  // namespace quorrel
