#include "board/learner.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorrel {
namespace {

// The step starts at kFirstStep and shrinks towards kSteadyStep with the puzzles played:
// kFirstStep / (1 + n / kStepHalving) until that falls below the steady step.
constexpr double kFirstStep = 3.0;
constexpr double kSteadyStep = 0.5;
constexpr double kStepHalving = 6.0;

}  // namespace

double SolveChance(double rating, double score) {
    return 1.0 / (1.0 + std::exp(-(rating - score) / kResponseScale));
}

double OutcomeCredit(PuzzleOutcome outcome, int hints) {
    if (outcome != PuzzleOutcome::kSolved) return 0;
    return std::ldexp(1.0, -std::clamp(hints, 0, 3));
}

double RatingStep(int puzzles_played) {
    const double n = std::max(puzzles_played, 0);
    return std::max(kSteadyStep, kFirstStep / (1 + n / kStepHalving));
}

double UpdateRating(double rating, int puzzles_played, double score, PuzzleOutcome outcome,
                    int hints) {
    if (!std::isfinite(rating)) rating = kStartRating;
    const double surprise = OutcomeCredit(outcome, hints) - SolveChance(rating, score);
    return std::clamp(rating + RatingStep(puzzles_played) * surprise, kLowestRating,
                      kHighestRating);
}

int32_t ChooseNextPuzzle(const std::vector<double>& scores, double rating, Random& random) {
    if (scores.empty()) return -1;
    // The chance is within kNearChance of the aim exactly for scores in [lowest, highest].
    auto logit = [](double p) { return std::log(p / (1 - p)); };
    const double lowest = rating - kResponseScale * logit(kAimedChance + kNearChance);
    const double highest = rating - kResponseScale * logit(kAimedChance - kNearChance);
    std::vector<int32_t> near;
    for (size_t k = 0; k < scores.size(); ++k)
        if (scores[k] >= lowest && scores[k] <= highest) near.push_back(static_cast<int32_t>(k));
    if (near.size() < static_cast<size_t>(kNearCount)) {
        // Too few that close: the kNearCount nearest, equal ones in the candidates' order so
        // that a seed picks the same one. A score that is not a number comes last.
        auto distance = [&](int32_t k) {
            const double d = std::fabs(SolveChance(rating, scores[k]) - kAimedChance);
            return d <= 1 ? d : 2;
        };
        near.resize(scores.size());
        std::iota(near.begin(), near.end(), 0);
        const size_t count = std::min(near.size(), static_cast<size_t>(kNearCount));
        std::partial_sort(near.begin(), near.begin() + static_cast<long>(count), near.end(),
                          [&](int32_t a, int32_t b) {
                              const double da = distance(a), db = distance(b);
                              return da < db || (da == db && a < b);
                          });
        near.resize(count);
    }
    return near[random.Below(static_cast<int32_t>(near.size()))];
}

}  // namespace quorrel
