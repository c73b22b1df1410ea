// The fields of the game's one-line text records (the reward book, the learner record), and
// where such a record lies.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "window/platform.h"

namespace quorrel {

// A whole decimal number (an optional '-', then digits, nothing else) in first..last.
bool WholeNumber(std::string_view text, int first, int last, int& value);

// Splits text at sep into exactly count fields.
bool SplitFields(std::string_view text, char sep, size_t count, std::string_view* fields);

// "YYYY-MM-DD" and "HH:MM:SS" as one moment, each part within its calendar range.
bool ParseDateTime(std::string_view date, std::string_view time, CivilTime& when);

// The file name in the settings file's folder; "" when the settings have no folder.
std::string BesideSettings(const std::string& settings_path, const char* name);

}  // namespace quorrel
