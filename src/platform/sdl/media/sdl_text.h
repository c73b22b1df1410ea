// Text drawn with SDL2_ttf in the faces the font library finds through fontconfig.
#pragma once

#include "platform/sdl/media/fonts.h"
#include "window/render/text_rasteriser.h"

namespace quorrel {

class SdlTextRasteriser : public TextRasteriser {
  public:
    int LineHeight(const Font& font) override;
    int Width(const Font& font, const std::string& utf8) override;
    Image Draw(const Font& font, uint32_t bgr, const std::string& utf8) override;

  private:
    // The font asked for, or DejaVu Sans at its size when the text holds a letter the font
    // lacks (an Arabic caption drawn in Arial's stand-in).
    TTF_Font* FontFor(const Font& font, const std::string& utf8);
    FontLibrary fonts_;
};

}  // namespace quorrel
