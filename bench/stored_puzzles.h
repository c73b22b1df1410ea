// The puzzles of the stored problem files, read as the game reads them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/problem_file.h"
#include "board/rating.h"

namespace quorrel {

// Every target's puzzles, or only target's when it is 0 or more.
inline std::vector<Puzzle> StoredPuzzles(const std::string& media_folder, int target = -1) {
    std::vector<Puzzle> puzzles;
    for (int16_t t : kTargetChoices) {
        if (target >= 0 && t != target) continue;
        std::ifstream in(media_folder + "/" + ProblemFileName(t), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        for (const Puzzle& p : PuzzlesOfProblemFile(bytes, t)) puzzles.push_back(p);
    }
    return puzzles;
}

}  // namespace quorrel
