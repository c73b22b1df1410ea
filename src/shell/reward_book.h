// The reward book: one line for every reward figure drawn after a correct answer, kept beside
// the settings file. Lines are only ever appended, each with a single write, so a crash can
// cut off at most the line being written; reading skips any line that is not whole and valid.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "window/platform.h"

namespace quorrel {

inline constexpr const char* kRewardBookName = "Quorrel-rewards.txt";

struct RewardEntry {
    int order = 0, angle = 0, left_turns = 0;  // the figure as it was asked for
    CivilTime when;
    int hints = 0;  // hints taken on the puzzle it rewarded
};

// "15 36 3 2026-12-06 15:30:12 0" and CR LF, the settings file's line end.
std::string FormatRewardLine(const RewardEntry& entry);
// One line without its line end (a CR before it is allowed); false when it is not exactly
// what FormatRewardLine writes with values in range.
bool ParseRewardLine(std::string_view line, RewardEntry& entry);

// The book beside a settings file; "" without one.
std::string RewardBookPath(const std::string& settings_path);

// Appends the entry's line with one write() on an O_APPEND descriptor; false when it could
// not be written whole.
bool AppendReward(const std::string& path, const RewardEntry& entry);

struct RewardBook {
    std::vector<RewardEntry> entries;  // the last valid entries, oldest first
    size_t valid = 0;                  // valid entries in the whole book
};

// Reads the book, keeping its last keep_last valid entries. A missing book is empty.
RewardBook ReadRewardBook(const std::string& path, size_t keep_last);

}  // namespace quorrel
