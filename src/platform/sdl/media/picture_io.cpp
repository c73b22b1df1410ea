#include "platform/sdl/media/picture_io.h"

#include <png.h>

#include <bit>
#include <cstring>

namespace quorrel {
namespace {

// The image's 0xAARRGGBB words, little-endian in memory, are libpng's BGRA.
static_assert(std::endian::native == std::endian::little);
constexpr png_uint_32 kFormat = PNG_FORMAT_BGRA;
// A picture larger than this is not one of ours; refusing it bounds what a bad file can cost.
constexpr png_uint_32 kMaxSide = 8192;

}  // namespace

std::optional<Image> LoadPicture(const std::string& path) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return std::nullopt;
    if (png.width == 0 || png.height == 0 || png.width > kMaxSide || png.height > kMaxSide) {
        png_image_free(&png);
        return std::nullopt;
    }
    png.format = kFormat;
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

bool SavePng(const Image& image, const std::string& path) {
    if (image.Empty()) return false;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = kFormat;
    bool ok = png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}

}  // namespace quorrel
