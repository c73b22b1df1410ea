#include "shell/reward_book.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <deque>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

// A valid line is about 30 characters; anything much longer is not one.
constexpr size_t kMaxLineLength = 80;

// A whole decimal number (an optional '-', then digits) in first..last.
bool Number(std::string_view text, int first, int last, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= first &&
           value <= last;
}

// Splits at sep into exactly count fields.
bool Fields(std::string_view text, char sep, size_t count, std::string_view* fields) {
    for (size_t n = 0; n < count; ++n) {
        size_t end = text.find(sep);
        fields[n] = text.substr(0, end);
        if (end == std::string_view::npos) return n + 1 == count;
        text.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace

std::string FormatRewardLine(const RewardEntry& e) {
    char line[128];
    const CivilTime& t = e.when;
    std::snprintf(line, sizeof line, "%d %d %d %04d-%02d-%02d %02d:%02d:%02d %d\r\n", e.order,
                  e.angle, e.left_turns, t.year, t.month, t.day, t.hour, t.minute, t.second,
                  e.hints);
    return line;
}

bool ParseRewardLine(std::string_view line, RewardEntry& entry) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view f[6], date[3], time[3];
    if (!Fields(line, ' ', 6, f) || f[3].size() != 10 || f[4].size() != 8 ||
        !Fields(f[3], '-', 3, date) || !Fields(f[4], ':', 3, time))
        return false;
    RewardEntry e;
    CivilTime& t = e.when;
    bool ok = Number(f[0], 1, 32767, e.order) && Number(f[1], -32768, 32767, e.angle) &&
              Number(f[2], -32768, 32767, e.left_turns) && Number(f[5], 0, 3, e.hints) &&
              Number(date[0], 1, 9999, t.year) && Number(date[1], 1, 12, t.month) &&
              Number(date[2], 1, 31, t.day) && Number(time[0], 0, 23, t.hour) &&
              Number(time[1], 0, 59, t.minute) && Number(time[2], 0, 60, t.second);
    if (ok) entry = e;
    return ok;
}

std::string RewardBookPath(const std::string& settings_path) {
    size_t slash = settings_path.rfind('/');
    if (slash == std::string::npos) return "";
    return settings_path.substr(0, slash + 1) + kRewardBookName;
}

bool AppendReward(const std::string& path, const RewardEntry& entry) {
    if (path.empty()) return false;
    int fd = OpenRegularFileToAppend(path);
    if (fd < 0) return false;
    std::string line = FormatRewardLine(entry);
    ssize_t written;
    do {
        written = write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    bool ok = close(fd) == 0 && written == static_cast<ssize_t>(line.size());
    return ok;
}

RewardBook ReadRewardBook(const std::string& path, size_t keep_last) {
    RewardBook book;
    int64_t size = 0;
    int fd = path.empty() ? -1 : OpenRegularFile(path, size);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "rb");
    if (!file) {
        if (fd >= 0) close(fd);
        return book;
    }
    std::deque<RewardEntry> kept;
    std::string line;
    bool too_long = false;
    char buffer[64 * 1024];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        for (size_t i = 0; i < n; ++i) {
            if (buffer[i] != '\n') {
                too_long = too_long || line.size() >= kMaxLineLength;
                if (!too_long) line += buffer[i];
                continue;
            }
            RewardEntry entry;
            if (!too_long && ParseRewardLine(line, entry)) {
                ++book.valid;
                kept.push_back(entry);
                if (kept.size() > keep_last) kept.pop_front();
            }
            line.clear();
            too_long = false;
        }
    }
    // A last line without its line end was cut off while it was written: it is left out.
    std::fclose(file);
    book.entries.assign(kept.begin(), kept.end());
    return book;
}

}  // namespace quorrel
