// Rates every stored puzzle of every target, as a start-up would, and prints the time it took
// and the levels' share of each target's puzzles.
//
//   build/bench/rating_bench [MEDIA_FOLDER]
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "stored_puzzles.h"

int main(int argc, char** argv) {
    using namespace quorrel;
    const std::string folder = argc > 1 ? argv[1] : QUORREL_SOURCE_DIR "/Media";
    const std::vector<Puzzle> puzzles = StoredPuzzles(folder);
    if (puzzles.empty()) {
        std::fprintf(stderr, "no problem files in %s\n", folder.c_str());
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    std::vector<PuzzleRating> ratings;
    double first = 0, best = 1e9;
    for (int run = 0; run < 20; ++run) {
        const auto start = Clock::now();
        ratings = RatePuzzles(puzzles);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (run == 0) first = ms;
        best = std::min(best, ms);
    }
    std::printf("rated %zu puzzles: first run %.2f ms, best of 20 %.2f ms (goal under 5 ms)\n",
                puzzles.size(), first, best);

    std::printf("target  puzzles  level 1   2   3   4   5 (%%)  unsolvable\n");
    for (int16_t target : kTargetChoices) {
        int levels[6] = {};
        int total = 0;
        for (size_t k = 0; k < puzzles.size(); ++k) {
            if (puzzles[k].target != target) continue;
            ++levels[ratings[k].level];
            ++total;
        }
        std::printf("%6d  %7d       ", target, total);
        for (int l = 1; l <= 5; ++l) std::printf("%4.0f", 100.0 * levels[l] / total);
        std::printf("  %10d\n", levels[0]);
    }
    return 0;
}
