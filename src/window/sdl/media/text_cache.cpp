#include "window/sdl/media/text_cache.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

#include "window/sdl/media/text_layout.h"

namespace quorrel {
namespace {

// A long session shows few distinct captions at a time; past this many the cache starts over
// rather than grow without bound (the score line and the hints change with every puzzle).
constexpr size_t kMaxEntries = 1024;

int TextWidth(TTF_Font* font, const std::string& utf8) {
    int w = 0, h = 0;
    if (utf8.empty() || TTF_SizeUTF8(font, utf8.c_str(), &w, &h) != 0) return 0;
    return w;
}

Image RenderLine(TTF_Font* font, uint32_t bgr, const std::string& utf8) {
    if (utf8.find_first_not_of(' ') == std::string::npos) return {};
    SDL_Color colour{static_cast<Uint8>(bgr & 0xFF), static_cast<Uint8>((bgr >> 8) & 0xFF),
                     static_cast<Uint8>((bgr >> 16) & 0xFF), 255};
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), colour);
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

}  // namespace

int TextCache::LineHeight(const Font& font) {
    TTF_Font* ttf = fonts_.Get(font);
    return ttf ? TTF_FontHeight(ttf) : 0;
}

const std::vector<TextLine>& TextCache::Get(const Font& font, uint32_t bgr, const std::string& utf8,
                                            int width, Align align, bool wrap) {
    Key key{FontLibrary::Key(font), bgr, utf8, width, align, wrap};
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    if (cache_.size() >= kMaxEntries) cache_.clear();
    return cache_.emplace(key, Layout(font, bgr, utf8, width, align, wrap)).first->second;
}

std::vector<TextLine> TextCache::Layout(const Font& font, uint32_t bgr, const std::string& utf8,
                                        int width, Align align, bool wrap) {
    std::vector<TextLine> placed;
    TTF_Font* ttf = fonts_.Get(font);
    if (!ttf || utf8.empty()) return placed;
    auto measure = [ttf](const std::string& text) { return TextWidth(ttf, text); };
    std::vector<std::string> lines;
    if (wrap) {
        lines = WrapText(utf8, width, measure);
    } else {
        lines.push_back(utf8.substr(0, utf8.find_first_of("\r\n")));
    }
    int height = TTF_FontHeight(ttf);
    for (size_t i = 0; i < lines.size(); ++i) {
        TextLine line;
        line.pixels = RenderLine(ttf, bgr, lines[i]);
        if (line.pixels.Empty()) continue;
        // Place by the advance width, so that blanks at either end move the text as they do
        // in a label; the rendered surface can be a pixel wider for overhanging glyphs.
        int advance = measure(lines[i]);
        switch (align) {
            case Align::Left:
                line.x = 0;
                break;
            case Align::Centre:
                line.x = (width - advance) / 2;
                break;
            case Align::Right:
                line.x = width - advance;
                break;
        }
        line.y = static_cast<int>(i) * height;
        placed.push_back(std::move(line));
    }
    return placed;
}

}  // namespace quorrel
