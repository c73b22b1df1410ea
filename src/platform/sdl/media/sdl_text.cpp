#include "platform/sdl/media/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

namespace quorrel {

int SdlTextRasteriser::LineHeight(const Font& font) {
    TTF_Font* ttf = fonts_.Get(font);
    return ttf ? TTF_FontHeight(ttf) : 0;
}

int SdlTextRasteriser::Width(const Font& font, const std::string& utf8) {
    TTF_Font* ttf = fonts_.Get(font);
    int w = 0, h = 0;
    if (!ttf || utf8.empty() || TTF_SizeUTF8(ttf, utf8.c_str(), &w, &h) != 0) return 0;
    return w;
}

Image SdlTextRasteriser::Draw(const Font& font, uint32_t bgr, const std::string& utf8) {
    TTF_Font* ttf = fonts_.Get(font);
    if (!ttf || utf8.find_first_not_of(' ') == std::string::npos) return {};
    SDL_Color colour{static_cast<Uint8>(bgr & 0xFF), static_cast<Uint8>((bgr >> 8) & 0xFF),
                     static_cast<Uint8>((bgr >> 16) & 0xFF), 255};
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(ttf, utf8.c_str(), colour);
    if (!rendered) return {};
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return {};
    Image image(argb->w, argb->h, 0);
    if (SDL_LockSurface(argb) == 0) {
        for (int y = 0; y < argb->h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch);
            std::copy(row, row + argb->w, &image.At(0, y));
        }
        SDL_UnlockSurface(argb);
    }
    SDL_FreeSurface(argb);
    return image;
}

}  // namespace quorrel
