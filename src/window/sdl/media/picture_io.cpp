#include "window/sdl/media/picture_io.h"

#include <SDL.h>
#include <SDL_image.h>

namespace quorrel {

std::optional<Image> LoadPicture(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) return std::nullopt;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return std::nullopt;
    Image image(argb->w, argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        std::copy(row, row + argb->w, &image.At(0, y));
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}

bool SavePng(const Image& image, const std::string& path) {
    if (image.Empty()) return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(image.pixels.data()), image.width, image.height, 32, image.width * 4,
        SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return false;
    bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

}  // namespace quorrel
