#include "shell/reward_book.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <deque>

#include "files/bounded_file.h"
#include "shell/record_lines.h"

namespace quorrel {
namespace {

// A valid line is about 30 characters; anything much longer is not one.
constexpr size_t kMaxLineLength = 80;

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
    std::string_view f[6];
    RewardEntry e;
    bool ok = SplitFields(line, ' ', 6, f) && WholeNumber(f[0], 1, 32767, e.order) &&
              WholeNumber(f[1], -32768, 32767, e.angle) &&
              WholeNumber(f[2], -32768, 32767, e.left_turns) && ParseDateTime(f[3], f[4], e.when) &&
              WholeNumber(f[5], 0, 3, e.hints);
    if (ok) entry = e;
    return ok;
}

std::string RewardBookPath(const std::string& settings_path) {
    return BesideSettings(settings_path, kRewardBookName);
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
