#include "platform/web/web_text.h"

#include <emscripten.h>
#include <strings.h>

#include <algorithm>
#include <cmath>

EM_JS(int, JsTextHeight, (const char* css),
      { return Module.quorrelWeb.textHeight(UTF8ToString(css)); });
EM_JS(int, JsTextWidth, (const char* css, const char* text),
      { return Module.quorrelWeb.textWidth(UTF8ToString(css), UTF8ToString(text)); });
EM_JS(void, JsTextDraw,
      (const char* css, const char* text, uint32_t* pixels, int width, int height, int argb), {
          Module.quorrelWeb.textDraw(UTF8ToString(css), UTF8ToString(text), pixels, width, height,
                                     argb);
      });

namespace quorrel {
namespace {
// Beyond this a text is not one of the game's: it bounds what one draw can cost.
constexpr int kMaxTextWidth = 8192;
}  // namespace

std::string CanvasTextRasteriser::Css(const Font& font) {
    int pixels = std::max(1, static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    const bool verdana = strcasecmp(font.family.c_str(), "Verdana") == 0 ||
                         strcasecmp(font.family.c_str(), "DejaVu Sans") == 0;
    const char* faces = verdana ? "Verdana, 'DejaVu Sans', sans-serif"
                                : "Arial, 'Liberation Sans', Helvetica, sans-serif";
    return std::string(font.bold ? "bold " : "") + std::to_string(pixels) + "px " + faces;
}

int CanvasTextRasteriser::LineHeight(const Font& font) {
    std::string css = Css(font);
    auto it = heights_.find(css);
    if (it == heights_.end()) it = heights_.emplace(css, JsTextHeight(css.c_str())).first;
    return it->second;
}

int CanvasTextRasteriser::Width(const Font& font, const std::string& utf8) {
    if (utf8.empty()) return 0;
    return std::clamp(JsTextWidth(Css(font).c_str(), utf8.c_str()), 0, kMaxTextWidth);
}

Image CanvasTextRasteriser::Draw(const Font& font, uint32_t bgr, const std::string& utf8) {
    if (utf8.find_first_not_of(' ') == std::string::npos) return {};
    int width = Width(font, utf8), height = LineHeight(font);
    if (width <= 0 || height <= 0) return {};
    Image image(width, height, 0);
    // &H00BBGGRR to the image's RGB; the canvas gives the coverage.
    const uint32_t rgb = (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    JsTextDraw(Css(font).c_str(), utf8.c_str(), image.pixels.data(), width, height,
               static_cast<int>(rgb));
    return image;
}

}  // namespace quorrel
