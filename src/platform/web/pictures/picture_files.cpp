#include "platform/web/pictures/picture_files.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image.h>
#include <stb_image_write.h>

namespace quorrel {
namespace {

// A picture larger than this is not one of ours; refusing it bounds what a bad file can cost.
constexpr int kMaxSide = 8192;
constexpr std::streamoff kMaxFileBytes = 64 << 20;

void Append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<size_t>(size));
}

}  // namespace

std::optional<Image> LoadPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    std::streamoff size = in.tellg();
    if (size <= 0 || size > kMaxFileBytes) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return std::nullopt;
    int w = 0, h = 0, channels = 0;
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    if (!stbi_info_from_memory(data, static_cast<int>(size), &w, &h, &channels) || w <= 0 ||
        h <= 0 || w > kMaxSide || h > kMaxSide)
        return std::nullopt;
    stbi_uc* rgba = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &channels, 4);
    if (!rgba) return std::nullopt;
    Image image(w, h);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const stbi_uc* p = rgba + i * 4;
        image.pixels[i] = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
    stbi_image_free(rgba);
    return image;
}

std::string EncodePng(const Image& image) {
    if (image.Empty()) return {};
    std::vector<unsigned char> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        uint32_t p = image.pixels[i];
        rgba[i * 4] = static_cast<unsigned char>(p >> 16);
        rgba[i * 4 + 1] = static_cast<unsigned char>(p >> 8);
        rgba[i * 4 + 2] = static_cast<unsigned char>(p);
        rgba[i * 4 + 3] = static_cast<unsigned char>(p >> 24);
    }
    std::string png;
    if (!stbi_write_png_to_func(Append, &png, image.width, image.height, 4, rgba.data(),
                                image.width * 4))
        return {};
    return png;
}

bool SavePng(const Image& image, const std::string& path) {
    std::string png = EncodePng(image);
    if (png.empty()) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace quorrel
