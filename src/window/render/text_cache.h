// Captions laid out and rasterised, kept so that a frame that shows the same texts as the
// last one costs only the blending.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "window/element.h"
#include "window/image.h"
#include "window/render/text_rasteriser.h"

namespace quorrel {

// One line of a caption, placed relative to the top-left corner of its text box.
struct TextLine {
    int x = 0, y = 0;
    Image pixels;  // ARGB with coverage in alpha
};

class TextCache {
  public:
    // A caption (UTF-8) laid out in a box width; wrap false keeps it on one line (buttons).
    // Without a rasteriser there is no text.
    const std::vector<TextLine>& Get(TextRasteriser* text, const Font& font, uint32_t bgr,
                                     const std::string& utf8, int width, Align align, bool wrap);

  private:
    static std::vector<TextLine> Layout(TextRasteriser& text, const Font& font, uint32_t bgr,
                                        const std::string& utf8, int width, Align align, bool wrap);

    TextRasteriser* rasteriser_ = nullptr;  // the one the cached lines were drawn with
    using Key = std::tuple<std::string, bool, float, uint32_t, std::string, int, Align, bool>;
    std::map<Key, std::vector<TextLine>> cache_;
    std::vector<TextLine> none_;
};

}  // namespace quorrel
