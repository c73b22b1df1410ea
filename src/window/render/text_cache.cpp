#include "window/render/text_cache.h"

#include "window/render/text_layout.h"

namespace quorrel {
namespace {

// A long session shows few distinct captions at a time; past this many the cache starts over
// rather than grow without bound (the score line and the hints change with every puzzle).
constexpr size_t kMaxEntries = 1024;

}  // namespace

const std::vector<TextLine>& TextCache::Get(TextRasteriser* text, const Font& font, uint32_t bgr,
                                            const std::string& utf8, int width, Align align,
                                            bool wrap) {
    if (!text) return none_;
    if (text != rasteriser_) {
        cache_.clear();
        rasteriser_ = text;
    }
    Key key{font.family, font.bold, font.points, bgr, utf8, width, align, wrap};
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    if (cache_.size() >= kMaxEntries) cache_.clear();
    return cache_.emplace(key, Layout(*text, font, bgr, utf8, width, align, wrap)).first->second;
}

std::vector<TextLine> TextCache::Layout(TextRasteriser& text, const Font& font, uint32_t bgr,
                                        const std::string& utf8, int width, Align align,
                                        bool wrap) {
    std::vector<TextLine> placed;
    int height = text.LineHeight(font);
    if (height <= 0 || utf8.empty()) return placed;
    auto measure = [&](const std::string& line) { return text.Width(font, line); };
    std::vector<std::string> lines;
    if (wrap) {
        lines = WrapText(utf8, width, measure);
    } else {
        lines.push_back(utf8.substr(0, utf8.find_first_of("\r\n")));
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        TextLine line;
        line.pixels = text.Draw(font, bgr, lines[i]);
        if (line.pixels.Empty()) continue;
        // Place by the advance width, so that blanks at either end move the text as they do
        // in a label; the drawn line can be a pixel wider for overhanging glyphs.
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
