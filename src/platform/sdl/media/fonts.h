// The window's fonts: the family a label asks for, mapped to a face that is installed here
// (Arial is drawn with Liberation Sans, Verdana with DejaVu Sans), opened once per size.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "window/element.h"

typedef struct _TTF_Font TTF_Font;

namespace quorrel {

// The font file for a family and weight: a known file of its stand-in family, else
// fontconfig's match when it really is that family (fontconfig always answers with some
// font), else the same for the other stand-in; "" when none of them is installed.
std::string FindFontFile(const std::string& family, bool bold);

// Font points to pixels on a 96 dots-per-inch screen.
int FontPixels(float points);

class FontLibrary {
  public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // nullptr when no font file can be opened; text is then left out.
    TTF_Font* Get(const Font& font);
    // Names the face and size Get returns, for caches keyed by font.
    static std::string Key(const Font& font);

  private:
    bool ttf_ready_ = false;
    std::map<std::string, TTF_Font*> open_;
};

}  // namespace quorrel
