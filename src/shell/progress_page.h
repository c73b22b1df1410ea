// The progress page for parents: the learner record as a page to read or print (puzzles
// solved and hints used per day, the child's rating over time, the targets played and the last
// puzzles) and as a table of every line. Made on this computer; nothing is sent anywhere.
#pragma once

#include <string>

#include "shell/learner_record.h"

namespace quorrel {

// Only the newest days are drawn, so the chart stays readable whatever the record holds.
inline constexpr size_t kProgressDays = 30;
inline constexpr size_t kProgressLastPuzzles = 50;

std::string ProgressPage(const LearnerRecord& record);
// A header line, then one line per puzzle, oldest first.
std::string ProgressCsv(const LearnerRecord& record);

// Writes folder/index.html and folder/progress.csv from the record at record_path (missing or
// torn: as far as it is whole); "" or what went wrong.
std::string ExportProgress(const std::string& record_path, const std::string& folder);

}  // namespace quorrel
