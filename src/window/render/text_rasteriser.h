// What the renderer needs from a font engine: the width and height of text in a font, and
// one line of text drawn in a colour. The desktop's implementation lives with the front end,
// so that the window code builds and runs without a font engine.
#pragma once

#include <cstdint>
#include <string>

#include "window/element.h"
#include "window/image.h"

namespace quorrel {

class TextRasteriser {
  public:
    virtual ~TextRasteriser() = default;
    // Height of one line of the font, 0 when it cannot be loaded.
    virtual int LineHeight(const Font& font) = 0;
    // Advance width in pixels of a UTF-8 text, blanks included.
    virtual int Width(const Font& font, const std::string& utf8) = 0;
    // One line of UTF-8 text in a colour (&H00BBGGRR), ARGB with coverage in alpha; empty
    // when there is nothing to draw.
    virtual Image Draw(const Font& font, uint32_t bgr, const std::string& utf8) = 0;
};

}  // namespace quorrel
