// One line of text in the order it stands on screen. A line whose first letter is from a
// right-to-left script (Arabic, Hebrew) reads right to left, yet its numbers, Latin words and
// the signs between them ("1+6", "23/23") stay left to right: the line is cut into runs of one
// direction each, placed from the right. A simplified form of the bidirectional algorithm,
// enough for one paragraph without embeddings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

struct TextRun {
    std::string utf8;  // in reading order; a right-to-left run is shaped right to left
    bool right_to_left = false;
};

// The code point starting at byte at, which moves past it; a malformed byte reads as itself.
char32_t NextCodePoint(std::string_view utf8, size_t& at);

// Whether the line holds a letter of a right-to-left script.
bool HasRightToLeft(std::string_view utf8);

// The runs from left to right on screen. A line whose first letter is left to right keeps its
// runs in order, yet shapes a right-to-left word inside it right to left; a line without
// right-to-left letters is one run. Malformed UTF-8 bytes count as left-to-right letters.
std::vector<TextRun> VisualRuns(std::string_view utf8);

}  // namespace quorrel
