// Simulated children of different abilities play 60 puzzles each from a fresh record, every
// next puzzle chosen by the learner model among the real stored puzzles, rated as the game
// rates them. Prints per ability the success rate (solved without a hint) over puzzles 21-60
// and the puzzle from which the running success rate over the last 10 stays within 65-85 %.
// The abilities are those whose 75 % puzzle is at a quartile of a level's stored scores;
// "puzzles near" counts the stored puzzles such a child solves with a chance of 70-80 %.
//
//   build/bench/level_sim [TARGET|all] [MEDIA_FOLDER]
//
// A simulated child of ability a solves a puzzle of score d without a hint with chance
// 1 / (1 + exp(-(a - d))), the model's own response curve. Otherwise the child solves it with
// 1 to 3 hints half of the time, gives a wrong answer 30 % and leaves the puzzle 20 %.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/learner.h"
#include "stored_puzzles.h"

namespace {

using namespace quorrel;

constexpr int kPuzzles = 60, kWindow = 10, kChildren = 1000;
constexpr size_t kNoRepeat = 20;
constexpr double kLow = 0.65, kHigh = 0.85;

std::vector<double> StoredScores(const std::string& folder, int target) {
    std::vector<double> scores;
    for (const PuzzleRating& r : RatePuzzles(StoredPuzzles(folder, target)))
        if (r.level > 0) scores.push_back(r.score);
    return scores;
}

// One child's 60 puzzles: 1 where solved without a hint. The last kNoRepeat puzzles played are
// left out of the candidates, as a child would remember them.
std::vector<int> PlayOneChild(double ability, const std::vector<double>& pool, Random& random) {
    std::vector<int> solved;
    std::vector<size_t> played;
    std::vector<double> scores;
    std::vector<size_t> index;
    double rating = kStartRating;
    for (int n = 0; n < kPuzzles; ++n) {
        scores.clear(), index.clear();
        const size_t recent = played.size() > kNoRepeat ? played.size() - kNoRepeat : 0;
        for (size_t k = 0; k < pool.size(); ++k) {
            if (std::find(played.begin() + long(recent), played.end(), k) != played.end()) continue;
            scores.push_back(pool[k]), index.push_back(k);
        }
        const int32_t k = ChooseNextPuzzle(scores, rating, random);
        const double score = scores[k];
        played.push_back(index[k]);
        PuzzleOutcome outcome = PuzzleOutcome::kSolved;
        int hints = 0;
        if (random.Next() >= SolveChance(ability, score)) {
            const double u = random.Next();
            if (u < 0.5)
                hints = 1 + random.Below(3);
            else
                outcome = u < 0.8 ? PuzzleOutcome::kWrong : PuzzleOutcome::kLeft;
        }
        solved.push_back(outcome == PuzzleOutcome::kSolved && hints == 0);
        rating = UpdateRating(rating, n, score, outcome, hints);
    }
    return solved;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string which = argc > 1 ? argv[1] : "all";
    const int target = which == "all" ? -1 : std::atoi(which.c_str());
    const std::string folder = argc > 2 ? argv[2] : QUORREL_SOURCE_DIR "/Media";
    const std::vector<double> pool = StoredScores(folder, target);
    if (pool.size() < kPuzzles) {
        std::fprintf(stderr, "too few stored puzzles for target %s in %s\n", which.c_str(),
                     folder.c_str());
        return 1;
    }
    std::vector<double> sorted = pool;
    std::sort(sorted.begin(), sorted.end());
    std::printf("target %s: %zu puzzles, scores %.2f..%.2f; %d children per ability\n",
                which.c_str(), pool.size(), sorted.front(), sorted.back(), kChildren);
    std::printf(
        "level  quartile  ability  puzzles 70-80%%  success 21-60  settled at  "
        "children 65-85%%\n");

    // The abilities: a child whose 75 % puzzle is at the first, second and third quartile of
    // each level's scores, then one weaker and one stronger than every puzzle suits.
    struct Child {
        int level, quartile;
        double ability;
    };
    std::vector<Child> children;
    const double offset = std::log(3.0) * kResponseScale;
    for (int level = 1; level <= 5; ++level) {
        std::vector<double> at;
        for (double s : sorted)
            if (LevelForScore(s) == level) at.push_back(s);
        for (int q = 1; q <= 3 && !at.empty(); ++q)
            children.push_back({level, q, at[at.size() * q / 4] + offset});
    }
    children.push_back({0, 0, sorted.front() + offset - 1.5});
    children.push_back({0, 0, sorted.back() + offset + 1.5});

    Random random(2026);
    // Met by every child whose level exists, and by those with at least kFew puzzles near.
    constexpr long kFew = 10;
    bool all_met = true, stocked_met = true;
    for (const Child& child : children) {
        std::vector<double> per_puzzle(kPuzzles, 0);
        int children_in_band = 0;
        for (int c = 0; c < kChildren; ++c) {
            const std::vector<int> solved = PlayOneChild(child.ability, pool, random);
            int late = 0;
            for (int n = 0; n < kPuzzles; ++n) {
                per_puzzle[n] += solved[n];
                if (n >= 20) late += solved[n];
            }
            const double own = late / double(kPuzzles - 20);
            children_in_band += own >= kLow && own <= kHigh;
        }
        double late = 0;
        for (int n = 20; n < kPuzzles; ++n) late += per_puzzle[n] / kChildren;
        late /= kPuzzles - 20;
        // The first puzzle from which the running rate over the last 10 stays in the band.
        int settled = 0;
        for (int n = kPuzzles; n >= kWindow; --n) {
            double window = 0;
            for (int k = n - kWindow; k < n; ++k) window += per_puzzle[k] / kChildren;
            window /= kWindow;
            if (window < kLow || window > kHigh) break;
            settled = n;
        }
        const bool met = settled > 0 && settled <= 20 && late >= kLow && late <= kHigh;
        const auto near = std::count_if(sorted.begin(), sorted.end(), [&](double s) {
            return std::fabs(SolveChance(child.ability, s) - kAimedChance) <= kNearChance;
        });
        if (child.level > 0 && !met) all_met = false, stocked_met = stocked_met && near < kFew;
        if (child.level > 0)
            std::printf("%5d  %8d", child.level, child.quartile);
        else
            std::printf("%16s", child.ability < sorted.front() ? "below every" : "above every");
        std::printf("  %7.2f  %14ld  %12.1f%%  ", child.ability, long(near), 100 * late);
        if (settled > 0)
            std::printf("%10d", settled);
        else
            std::printf("%10s", "never");
        std::printf("  %14.1f%%%s\n", 100.0 * children_in_band / kChildren,
                    child.level > 0 && near < kFew ? "  (few puzzles near)" : "");
    }
    std::printf(
        "goal (every ability whose level exists settles by puzzle 20 and keeps 65-85%% "
        "over 21-60): %s; for those with %ld or more puzzles near: %s\n",
        all_met ? "met" : "NOT met", kFew, stocked_met ? "met" : "NOT met");
    return 0;
}
