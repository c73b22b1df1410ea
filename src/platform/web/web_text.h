// Text drawn by the browser's canvas in the faces the page has: the game's families map to
// their metric-compatible stand-ins, as on the desktop.
#pragma once

#include <map>
#include <string>

#include "window/render/text_rasteriser.h"

namespace quorrel {

class CanvasTextRasteriser : public TextRasteriser {
  public:
    int LineHeight(const Font& font) override;
    int Width(const Font& font, const std::string& utf8) override;
    Image Draw(const Font& font, uint32_t bgr, const std::string& utf8) override;

  private:
    // The CSS font of a game font ("bold 13px Arial, 'Liberation Sans', sans-serif").
    static std::string Css(const Font& font);
    std::map<std::string, int> heights_;
};

}  // namespace quorrel
