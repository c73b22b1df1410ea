#include "window/render/bidi_runs.h"

#include <algorithm>
#include <cstdint>

namespace quorrel {
namespace {

enum class Class : uint8_t { Left, Right, Neutral };

// The code point at bytes[at] and its length; a malformed byte reads as itself, one long.
char32_t Decode(std::string_view bytes, size_t at, size_t& length) {
    auto b = static_cast<unsigned char>(bytes[at]);
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    length = 1;
    if (more == 0 || at + more >= bytes.size()) return b;
    char32_t cp = b & (0x3F >> more);
    for (int i = 1; i <= more; ++i) {
        auto c = static_cast<unsigned char>(bytes[at + i]);
        if ((c & 0xC0) != 0x80) return b;
        cp = cp << 6 | (c & 0x3F);
    }
    length = static_cast<size_t>(more) + 1;
    return cp;
}

Class ClassOf(char32_t cp) {
    if ((cp >= 0x0590 && cp <= 0x08FF) || (cp >= 0xFB1D && cp <= 0xFDFF) ||
        (cp >= 0xFE70 && cp <= 0xFEFF))
        return Class::Right;
    if ((cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z'))
        return Class::Left;
    // Letters of the other scripts; punctuation and signs below them stay neutral.
    if (cp >= 0xC0 && cp != 0xD7 && cp != 0xF7 && !(cp >= 0x2000 && cp <= 0x2BFF) &&
        !(cp >= 0x3000 && cp <= 0x303F))
        return Class::Left;
    return Class::Neutral;
}

bool IsLetterNotDigit(char32_t cp, Class c) {
    return c != Class::Neutral && !(cp >= '0' && cp <= '9');
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, size_t& at) {
    size_t length = 0;
    char32_t cp = Decode(utf8, at, length);
    at += length;
    return cp;
}

bool HasRightToLeft(std::string_view utf8) {
    for (size_t at = 0, length = 0; at < utf8.size(); at += length)
        if (ClassOf(Decode(utf8, at, length)) == Class::Right) return true;
    return false;
}

std::vector<TextRun> VisualRuns(std::string_view utf8) {
    struct Piece {
        size_t at, length;
        Class c;
    };
    std::vector<Piece> pieces;
    bool rtl_line = false, decided = false;
    for (size_t at = 0, length = 0; at < utf8.size(); at += length) {
        char32_t cp = Decode(utf8, at, length);
        Class c = ClassOf(cp);
        // The first letter (digits are no letters) sets the line's direction.
        if (!decided && IsLetterNotDigit(cp, c)) {
            rtl_line = c == Class::Right;
            decided = true;
        }
        pieces.push_back({at, length, c});
    }
    if (!rtl_line && !HasRightToLeft(utf8)) return {TextRun{std::string(utf8), false}};
    // A neutral between two pieces of one direction joins them; any other takes the line's.
    const Class line = rtl_line ? Class::Right : Class::Left;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].c != Class::Neutral) continue;
        size_t j = i;
        while (j < pieces.size() && pieces[j].c == Class::Neutral) ++j;
        const Class before = i > 0 ? pieces[i - 1].c : line;
        const Class after = j < pieces.size() ? pieces[j].c : line;
        const Class resolved = before == after ? before : line;
        for (size_t k = i; k < j; ++k) pieces[k].c = resolved;
        i = j - 1;
    }
    std::vector<TextRun> runs;
    for (const Piece& p : pieces) {
        bool rtl = p.c == Class::Right;
        if (runs.empty() || runs.back().right_to_left != rtl) runs.push_back({"", rtl});
        runs.back().utf8.append(utf8.substr(p.at, p.length));
    }
    // A right-to-left line places its runs from the right.
    if (rtl_line) std::reverse(runs.begin(), runs.end());
    return runs;
}

}  // namespace quorrel
