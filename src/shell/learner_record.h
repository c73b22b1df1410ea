// The learner record: one line for every puzzle the child played, each with the child's rating
// after it, kept beside the settings file. The text is made and read by pure functions; the
// file is rewritten whole each time (temp file, rename) and kept to its last lines.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/learner.h"
#include "window/platform.h"

namespace quorrel {

inline constexpr const char* kLearnerRecordName = "Quorrel-learner.txt";
// Past this many lines the oldest are dropped: months of play, about 60 KB.
inline constexpr size_t kLearnerRecordMaxLines = 1000;

struct LearnerLine {
    CivilTime when;
    std::array<int16_t, 4> numbers{};  // 0..13
    int16_t target = 0;                // 0..48
    int16_t level = 1;                 // the puzzle's level 1..5
    PuzzleOutcome outcome = PuzzleOutcome::kSolved;
    int hints = 0;      // 0..3
    int seconds = 0;    // 0..99999, the time on the puzzle
    double rating = 0;  // the child's rating after the puzzle, two decimals
};

// "2026-12-07 14:03:12 1 1 4 6 24 1 solved 0 35 2.48" and CR LF; the outcome is one of
// "solved", "wrong", "left". Values out of range are clamped to it.
std::string FormatLearnerLine(const LearnerLine& line);
// One line without its line end (a CR before it is allowed); false when it is not exactly
// what FormatLearnerLine writes with values in range.
bool ParseLearnerLine(std::string_view text, LearnerLine& line);

struct LearnerRecord {
    std::vector<LearnerLine> lines;  // oldest first
    double rating = kStartRating;    // the last line's rating, kStartRating without lines
};

// The record's lines up to the first that is torn or bad, at most the last
// kLearnerRecordMaxLines of them.
LearnerRecord ParseLearnerRecord(std::string_view text);
// The last kLearnerRecordMaxLines lines, each as FormatLearnerLine writes it.
std::string FormatLearnerRecord(const std::vector<LearnerLine>& lines);

// The record beside a settings file; "" without one.
std::string LearnerRecordPath(const std::string& settings_path);
// Reads at most the bytes a full record can hold; a missing, unreadable or odd file is a
// fresh record.
LearnerRecord ReadLearnerRecord(const std::string& path);
// Adds the line to the record in memory (its rating as the file holds it) and rewrites the
// file atomically, dropping the oldest lines past the limit; false when it could not be
// written (the file then stays as it was, and the game goes on with the record in memory).
bool AppendLearnerLine(const std::string& path, LearnerRecord& record, const LearnerLine& line);

}  // namespace quorrel
