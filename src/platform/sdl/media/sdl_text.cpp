#include "platform/sdl/media/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

#include "window/render/bidi_runs.h"

namespace quorrel {
namespace {

// The face for scripts the game's own faces lack (Arabic among them).
constexpr const char* kFallbackFamily = "DejaVu Sans";

bool ProvidesAll(TTF_Font* ttf, const std::string& utf8) {
    for (size_t at = 0; at < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, at);
        if (cp >= 0x20 && !TTF_GlyphIsProvided32(ttf, static_cast<Uint32>(cp))) return false;
    }
    return true;
}

// Shapes the next texts in one direction; a left-to-right run leaves the script to be guessed.
void SetDirection(TTF_Font* ttf, bool right_to_left) {
    TTF_SetFontDirection(ttf, right_to_left ? TTF_DIRECTION_RTL : TTF_DIRECTION_LTR);
    TTF_SetFontScriptName(ttf, right_to_left ? "Arab" : "Zzzz");
}

int Advance(TTF_Font* ttf, const std::string& utf8) {
    int w = 0, h = 0;
    if (utf8.empty() || TTF_SizeUTF8(ttf, utf8.c_str(), &w, &h) != 0) return 0;
    return w;
}

// Copies a rendered surface into image at x, as ARGB; false when it cannot be converted.
bool Blit(SDL_Surface* rendered, Image& image, int x) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!argb) return false;
    if (SDL_LockSurface(argb) == 0) {
        int w = std::min(argb->w, image.width - x), h = std::min(argb->h, image.height);
        for (int y = 0; y < h && w > 0; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch);
            for (int i = 0; i < w; ++i) image.At(x + i, y) |= row[i];
        }
        SDL_UnlockSurface(argb);
    }
    SDL_FreeSurface(argb);
    return true;
}

}  // namespace

TTF_Font* SdlTextRasteriser::FontFor(const Font& font, const std::string& utf8) {
    TTF_Font* ttf = fonts_.Get(font);
    if (!ttf || ProvidesAll(ttf, utf8)) return ttf;
    Font fallback = font;
    fallback.family = kFallbackFamily;
    TTF_Font* other = fonts_.Get(fallback);
    return other ? other : ttf;
}

int SdlTextRasteriser::LineHeight(const Font& font) {
    TTF_Font* ttf = fonts_.Get(font);
    return ttf ? TTF_FontHeight(ttf) : 0;
}

int SdlTextRasteriser::Width(const Font& font, const std::string& utf8) {
    TTF_Font* ttf = FontFor(font, utf8);
    if (!ttf || utf8.empty()) return 0;
    if (!HasRightToLeft(utf8)) return Advance(ttf, utf8);
    int total = 0;
    for (const TextRun& run : VisualRuns(utf8)) {
        SetDirection(ttf, run.right_to_left);
        total += Advance(ttf, run.utf8);
    }
    SetDirection(ttf, false);
    return total;
}

Image SdlTextRasteriser::Draw(const Font& font, uint32_t bgr, const std::string& utf8) {
    TTF_Font* ttf = FontFor(font, utf8);
    if (!ttf || utf8.find_first_not_of(' ') == std::string::npos) return {};
    SDL_Color colour{static_cast<Uint8>(bgr & 0xFF), static_cast<Uint8>((bgr >> 8) & 0xFF),
                     static_cast<Uint8>((bgr >> 16) & 0xFF), 255};
    // Right-to-left lines are drawn run by run, each shaped in its own direction.
    const bool bidi = HasRightToLeft(utf8);
    std::vector<TextRun> runs = bidi ? VisualRuns(utf8) : std::vector<TextRun>{{utf8, false}};
    std::vector<std::pair<SDL_Surface*, int>> drawn;
    int x = 0, width = 0, height = 0;
    for (const TextRun& run : runs) {
        if (bidi) SetDirection(ttf, run.right_to_left);
        if (run.utf8.find_first_not_of(' ') != std::string::npos) {
            if (SDL_Surface* s = TTF_RenderUTF8_Blended(ttf, run.utf8.c_str(), colour)) {
                drawn.emplace_back(s, x);
                width = std::max(width, x + s->w);
                height = std::max(height, s->h);
            }
        }
        x += bidi ? Advance(ttf, run.utf8) : 0;
    }
    if (bidi) SetDirection(ttf, false);
    Image image;
    if (width > 0 && height > 0) image = Image(width, height, 0);
    for (auto& [surface, left] : drawn) {
        if (!image.Empty()) Blit(surface, image, left);
        SDL_FreeSurface(surface);
    }
    return image;
}

}  // namespace quorrel
