// quorrel-problems rate: reads lines of four numbers and a target ("1 1 4 6 24") and prints
// each line followed by its difficulty score and level, or by "unsolvable". A line that is
// not four numbers 0..13 and a target 0..48 prints "error: ..." and the next line is read.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "board/rating.h"

namespace {

constexpr int kMaxNumber = 13;

// The rating's words for one line, or the error that stands in for them.
std::string RateLine(const std::string& line) {
    std::istringstream in(line);
    std::vector<int> fields;
    std::string word;
    while (in >> word) {
        int value = 0;
        const char* end = word.data() + word.size();
        auto [at, ec] = std::from_chars(word.data(), end, value);
        if (ec != std::errc() || at != end) return "error: \"" + word + "\" is not a whole number";
        fields.push_back(value);
    }
    if (fields.size() != 5) return "error: expected four numbers and a target";
    quorrel::Puzzle p;
    for (int i = 0; i < 4; ++i) {
        if (fields[i] < 0 || fields[i] > kMaxNumber) return "error: numbers are 0 to 13";
        p.numbers[i] = static_cast<int16_t>(fields[i]);
    }
    if (fields[4] < 0 || fields[4] > quorrel::kRatingMaxTarget) return "error: targets are 0 to 48";
    p.target = static_cast<int16_t>(fields[4]);
    const quorrel::PuzzleRating r = quorrel::RatePuzzle(p.numbers, p.target);
    if (r.solutions == 0) return line + " unsolvable";
    char tail[48];
    std::snprintf(tail, sizeof tail, " %.2f %d", r.score, r.level);
    return line + tail;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) != "rate") {
        std::fprintf(stderr, "usage: %s rate < lines of \"N N N N TARGET\"\n", argv[0]);
        return 2;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        std::cout << RateLine(line) << '\n';
    }
    return 0;
}
