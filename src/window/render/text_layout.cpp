#include "window/render/text_layout.h"

namespace quorrel {
namespace {

using Measure = std::function<int(const std::string&)>;

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The longest prefix that fits, split between characters; at least one character so that a
// box narrower than any letter still makes progress.
size_t FittingCharacters(const std::string& text, int width, const Measure& measure) {
    size_t best = 0;
    for (size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && Continuation(text[end])) continue;
        if (measure(text.substr(0, end)) > width) break;
        best = end;
    }
    if (best == 0) {
        best = 1;
        while (best < text.size() && Continuation(text[best])) ++best;
    }
    return best;
}

void WrapParagraph(const std::string& text, int width, const Measure& measure,
                   std::vector<std::string>& lines) {
    size_t start = 0;
    do {
        std::string rest = text.substr(start);
        if (measure(rest) <= width) {
            lines.push_back(rest);
            return;
        }
        // The last word end (a non-blank followed by a blank) up to which the line still fits.
        size_t cut = 0;
        for (size_t i = 1; i < rest.size(); ++i) {
            if (rest[i] != ' ' || rest[i - 1] == ' ') continue;
            if (measure(rest.substr(0, i)) > width) break;
            cut = i;
        }
        if (cut == 0) cut = FittingCharacters(rest, width, measure);
        lines.push_back(rest.substr(0, cut));
        start += cut;
        while (start < text.size() && text[start] == ' ') ++start;
    } while (start < text.size());
}

}  // namespace

std::vector<std::string> WrapText(const std::string& utf8, int width, const Measure& measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = utf8.find_first_of("\r\n", start);
        std::string paragraph = utf8.substr(start, end == std::string::npos ? end : end - start);
        if (paragraph.empty())
            lines.emplace_back();
        else
            WrapParagraph(paragraph, width, measure, lines);
        if (end == std::string::npos) break;
        start = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace quorrel
