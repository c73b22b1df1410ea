// Captions rendered to anti-aliased pixels, kept so that a frame that shows the same texts as
// the last one costs only the blending.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "window/element.h"
#include "window/image.h"
#include "window/sdl/media/fonts.h"

namespace quorrel {

// One line of a caption, placed relative to the top-left corner of its text box.
struct TextLine {
    int x = 0, y = 0;
    Image pixels;  // ARGB with coverage in alpha
};

class TextCache {
public:
    // A caption (UTF-8) laid out in a box width; wrap false keeps it on one line (buttons).
    const std::vector<TextLine>& Get(const Font& font, uint32_t bgr, const std::string& utf8,
                                     int width, Align align, bool wrap);
    // Height of one line of the font, 0 when it cannot be loaded.
    int LineHeight(const Font& font);

private:
    std::vector<TextLine> Layout(const Font& font, uint32_t bgr, const std::string& utf8, int width,
                                 Align align, bool wrap);

    FontLibrary fonts_;
    using Key = std::tuple<std::string, uint32_t, std::string, int, Align, bool>;
    std::map<Key, std::vector<TextLine>> cache_;
};

}  // namespace quorrel
