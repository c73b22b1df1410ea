#include "shell/level_play.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "board/learner.h"
#include "board/problem_file.h"
#include "shell/app_folders.h"

namespace quorrel {

void LevelPlay::Load(const std::string& config_folder, const std::string& settings_path) {
    std::string text;
    if (!choice_given && !config_folder.empty() &&
        ReadSmallTextFile(config_folder + "/" + kLevelFileName, text))
        choice = ParseLevelName(text).value_or(kLevelAll);
    record_path_ = LearnerRecordPath(settings_path);
    record_.reset();
}

const LearnerRecord& LevelPlay::record() const {
    if (!record_) record_ = ReadLearnerRecord(record_path_);
    return *record_;
}

bool LevelPlay::SaveChoice(const std::string& config_folder) const {
    return !config_folder.empty() && MakeFolders(config_folder, 0700).empty() &&
           WriteFileAtomically(config_folder + "/" + kLevelFileName, LevelName(choice) + "\n");
}

void LevelPlay::ListLoaded(const std::vector<std::string>& list, int16_t count, int16_t target) {
    ratings_.clear();
    if (choice == kLevelAll) return;
    std::vector<Puzzle> puzzles;
    for (int16_t k = 1; k <= count && static_cast<size_t>(k) < list.size(); ++k) {
        Puzzle p{{}, target};
        for (int i = 0; i < 4; ++i) p.numbers[i] = ProblemDigit(list[k], i);
        puzzles.push_back(p);
    }
    ratings_ = RatePuzzles(puzzles);
}

const std::vector<std::string>& LevelPlay::DealingList(const std::vector<std::string>& list,
                                                       int16_t count, Random& rng,
                                                       int16_t& dealing) {
    dealing = count;
    if (choice == kLevelAll || ratings_.empty()) return list;
    std::vector<size_t> chosen;
    if (choice == kLevelGrow) {
        std::vector<size_t> solvable;
        for (size_t k = 0; k < ratings_.size(); ++k)
            if (ratings_[k].level > 0) solvable.push_back(k);
        std::vector<double> scores;
        for (size_t k : solvable) scores.push_back(ratings_[k].score);
        int32_t pick = ChooseNextPuzzle(scores, record().rating, rng);
        if (pick >= 0) chosen.push_back(solvable[static_cast<size_t>(pick)]);
    } else {
        chosen = PuzzlesAtLevel(ratings_, choice);
    }
    dealing_.assign(1, std::string());
    for (size_t k : chosen)
        if (k + 1 < list.size()) dealing_.push_back(list[k + 1]);
    dealing = static_cast<int16_t>(dealing_.size() - 1);
    return dealing_;
}

void LevelPlay::Dealt(const std::array<int16_t, 4>& numbers, int16_t target, double now_ms) {
    numbers_ = numbers;
    target_ = target;
    dealt_ = RatePuzzle(numbers, target);
    dealt_ms_ = now_ms;
    touched_ = false;
    ended_ = dealt_.level == 0;  // nothing to record of an empty or unsolvable board
}

void LevelPlay::Ended(PuzzleOutcome outcome, int hints, double now_ms, const CivilTime& when) {
    if (ended_) return;
    ended_ = true;
    LearnerLine line;
    line.when = when;
    line.numbers = numbers_;
    line.target = target_;
    line.level = std::clamp<int16_t>(dealt_.level, 1, 5);
    line.outcome = outcome;
    line.hints = std::clamp(hints, 0, 3);
    const double seconds = std::max(0.0, (now_ms - dealt_ms_) / 1000);
    line.seconds = static_cast<int>(std::min(seconds, 99999.0));
    const LearnerRecord& before = record();
    line.rating = UpdateRating(before.rating, static_cast<int>(before.lines.size()), dealt_.score,
                               outcome, line.hints);
    // A record that cannot be written leaves the game as it is, the rating kept in memory.
    AppendLearnerLine(record_path_, *record_, line);
}

void LevelPlay::Replaced(int hints, double now_ms, const CivilTime& when) {
    if (touched_) Ended(PuzzleOutcome::kLeft, hints, now_ms, when);
    ended_ = true;
}

bool DescribeLevelField(const LevelPlay& levels, const std::string& name, std::string& value) {
    char text[64];
    if (name == "Level") {
        std::snprintf(text, sizeof text, "%d", levels.choice);
    } else if (name == "Rating") {
        std::snprintf(text, sizeof text, "%.2f %d", levels.dealt().score, levels.dealt().level);
    } else if (name == "Learner") {
        std::snprintf(text, sizeof text, "%.2f %zu", levels.record().rating,
                      levels.record().lines.size());
    } else {
        return false;
    }
    value = text;
    return true;
}

}  // namespace quorrel
