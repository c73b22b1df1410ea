// The level the puzzles are dealt at, and the learner record that follows the child: which of
// the loaded problems a deal may draw, the dealt puzzle's rating, and a line in the record for
// every puzzle the child played (solved, answered wrongly, or left for another after a move).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "board/level_deal.h"
#include "board/rating.h"
#include "shell/learner_record.h"
#include "state/random.h"

namespace quorrel {

// The level choice is kept in a file of its own beside the zoom's ("all", "1".."5", "grow").
inline constexpr const char* kLevelFileName = "level";

class LevelPlay {
  public:
    int16_t choice = kLevelAll;
    // Given on the command line: the file's choice is not read, and only a click saves one.
    bool choice_given = false;
    void GiveChoice(int16_t level) {
        choice = level;
        choice_given = true;
    }

    // At load: the saved choice (unless one was given) and the learner record beside the
    // settings file. Anything missing or odd gives the defaults.
    void Load(const std::string& config_folder, const std::string& settings_path);
    // Remembers a choice made on the options panel; false when it could not be written.
    bool SaveChoice(const std::string& config_folder) const;

    // The problems were loaded: at a level they are rated, once per list.
    void ListLoaded(const std::vector<std::string>& list, int16_t count, int16_t target);
    // The list a deal draws from, as the board's Deal takes it (entry 0 unused): the loaded
    // list itself for "all", else the problems at the level, or the one that suits the
    // child's rating.
    const std::vector<std::string>& DealingList(const std::vector<std::string>& list, int16_t count,
                                                Random& rng, int16_t& dealing);
    // A puzzle was dealt: its rating, and the time it came.
    void Dealt(const std::array<int16_t, 4>& numbers, int16_t target, double now_ms);
    // The child made a move or took a hint on the dealt puzzle.
    void Touched() { touched_ = true; }
    // The puzzle ended with a verdict; it is recorded once, whatever follows on the same board.
    void Ended(PuzzleOutcome outcome, int hints, double now_ms, const CivilTime& when);
    // A new deal replaces the puzzle: left, when the child had begun it and it had no verdict.
    void Replaced(int hints, double now_ms, const CivilTime& when);

    const PuzzleRating& dealt() const { return dealt_; }
    // Read at its first use: a game at "all" that nobody plays reads nothing at start-up.
    const LearnerRecord& record() const;

  private:
    std::string record_path_;
    mutable std::optional<LearnerRecord> record_;
    std::vector<PuzzleRating> ratings_;  // of the loaded list, while a level is chosen
    std::vector<std::string> dealing_;
    std::array<int16_t, 4> numbers_{};
    int16_t target_ = 0;
    PuzzleRating dealt_;
    double dealt_ms_ = 0;
    bool touched_ = false, ended_ = true;
};

// The driver's view: "Level" (the choice: 0 all, 1..5, 6 grows with me), "Rating" (the dealt
// puzzle's score and level) and "Learner" (the child's rating and the puzzles recorded); false
// for any other name.
bool DescribeLevelField(const LevelPlay& levels, const std::string& name, std::string& value);

}  // namespace quorrel
