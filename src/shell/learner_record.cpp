#include "shell/learner_record.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/bounded_file.h"
#include "shell/app_folders.h"
#include "shell/record_lines.h"

namespace quorrel {
namespace {

// A valid line is at most about 65 characters; anything longer is not one.
constexpr size_t kMaxLineLength = 80;
constexpr int kMaxSeconds = 99999;
constexpr const char* kOutcomeWords[] = {"solved", "wrong", "left"};

// [-]digits.dd, as "%.2f" writes it, within the rating's bounds.
bool Rating(std::string_view text, double& value) {
    const size_t point = text.find('.');
    const size_t sign = !text.empty() && text[0] == '-';
    if (point == std::string_view::npos || point == sign || point > sign + 2 ||
        text.size() != point + 3)
        return false;
    int whole = 0, cents = 0;
    if (!WholeNumber(text.substr(sign, point - sign), 0, 99, whole) ||
        !WholeNumber(text.substr(point + 1), 0, 99, cents) || text[point + 1] == '-')
        return false;
    value = (sign ? -1 : 1) * (whole + cents / 100.0);
    return (sign == 0 || value != 0) && value >= kLowestRating && value <= kHighestRating;
}

}  // namespace

std::string FormatLearnerLine(const LearnerLine& l) {
    const CivilTime& t = l.when;
    auto clamp = [](int value, int first, int last) { return std::clamp(value, first, last); };
    double rating = std::isfinite(l.rating) ? l.rating : kStartRating;
    rating = std::round(std::clamp(rating, kLowestRating, kHighestRating) * 100) / 100;
    if (rating == 0) rating = 0;  // no "-0.00"
    const int outcome = clamp(static_cast<int>(l.outcome), 0, 2);
    char text[160];
    std::snprintf(
        text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %d %d %d %d %d %d %s %d %d %.2f\r\n",
        clamp(t.year, 1, 9999), clamp(t.month, 1, 12), clamp(t.day, 1, 31), clamp(t.hour, 0, 23),
        clamp(t.minute, 0, 59), clamp(t.second, 0, 60), clamp(l.numbers[0], 0, 13),
        clamp(l.numbers[1], 0, 13), clamp(l.numbers[2], 0, 13), clamp(l.numbers[3], 0, 13),
        clamp(l.target, 0, 48), clamp(l.level, 1, 5), kOutcomeWords[outcome], clamp(l.hints, 0, 3),
        clamp(l.seconds, 0, kMaxSeconds), rating);
    return text;
}

bool ParseLearnerLine(std::string_view text, LearnerLine& line) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    std::string_view f[12];
    if (!SplitFields(text, ' ', 12, f)) return false;
    LearnerLine l;
    int values[6] = {};
    bool ok = ParseDateTime(f[0], f[1], l.when);
    for (int i = 0; i < 4; ++i) ok = ok && WholeNumber(f[2 + i], 0, 13, values[i]);
    ok = ok && WholeNumber(f[6], 0, 48, values[4]) && WholeNumber(f[7], 1, 5, values[5]) &&
         WholeNumber(f[9], 0, 3, l.hints) && WholeNumber(f[10], 0, kMaxSeconds, l.seconds) &&
         Rating(f[11], l.rating);
    const auto word = std::find(std::begin(kOutcomeWords), std::end(kOutcomeWords), f[8]);
    if (!ok || word == std::end(kOutcomeWords)) return false;
    for (int i = 0; i < 4; ++i) l.numbers[i] = static_cast<int16_t>(values[i]);
    l.target = static_cast<int16_t>(values[4]);
    l.level = static_cast<int16_t>(values[5]);
    l.outcome = static_cast<PuzzleOutcome>(word - std::begin(kOutcomeWords));
    line = l;
    return true;
}

LearnerRecord ParseLearnerRecord(std::string_view text) {
    LearnerRecord record;
    for (size_t end; (end = text.find('\n')) != std::string_view::npos;) {
        LearnerLine line;
        // A torn or bad line ends the record: what follows it cannot be trusted either.
        if (end > kMaxLineLength || !ParseLearnerLine(text.substr(0, end), line)) break;
        record.lines.push_back(line);
        text.remove_prefix(end + 1);
    }
    if (record.lines.size() > kLearnerRecordMaxLines)
        record.lines.erase(record.lines.begin(),
                           record.lines.end() - static_cast<long>(kLearnerRecordMaxLines));
    if (!record.lines.empty()) record.rating = record.lines.back().rating;
    return record;
}

std::string FormatLearnerRecord(const std::vector<LearnerLine>& lines) {
    const size_t first =
        lines.size() > kLearnerRecordMaxLines ? lines.size() - kLearnerRecordMaxLines : 0;
    std::string text;
    for (size_t k = first; k < lines.size(); ++k) text += FormatLearnerLine(lines[k]);
    return text;
}

std::string LearnerRecordPath(const std::string& settings_path) {
    return BesideSettings(settings_path, kLearnerRecordName);
}

LearnerRecord ReadLearnerRecord(const std::string& path) {
    std::string bytes;
    if (path.empty() || !ReadFileBounded(path, kLearnerRecordMaxLines * kMaxLineLength, bytes))
        return {};
    return ParseLearnerRecord(bytes);
}

bool AppendLearnerLine(const std::string& path, LearnerRecord& record, const LearnerLine& line) {
    record.lines.push_back(line);
    if (record.lines.size() > kLearnerRecordMaxLines) record.lines.erase(record.lines.begin());
    // The rating as the file holds it, so that the game goes on with what it will read back.
    std::string text = FormatLearnerLine(line);
    ParseLearnerLine(std::string_view(text).substr(0, text.size() - 1), record.lines.back());
    record.rating = record.lines.back().rating;
    return !path.empty() && WriteFileAtomically(path, FormatLearnerRecord(record.lines));
}

}  // namespace quorrel
