#include "shell/record_lines.h"

#include <charconv>

namespace quorrel {

bool WholeNumber(std::string_view text, int first, int last, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= first &&
           value <= last;
}

bool SplitFields(std::string_view text, char sep, size_t count, std::string_view* fields) {
    for (size_t n = 0; n < count; ++n) {
        size_t end = text.find(sep);
        fields[n] = text.substr(0, end);
        if (end == std::string_view::npos) return n + 1 == count;
        text.remove_prefix(end + 1);
    }
    return false;
}

bool ParseDateTime(std::string_view date, std::string_view time, CivilTime& when) {
    std::string_view d[3], t[3];
    CivilTime w;
    bool ok = date.size() == 10 && time.size() == 8 && SplitFields(date, '-', 3, d) &&
              SplitFields(time, ':', 3, t) && WholeNumber(d[0], 1, 9999, w.year) &&
              WholeNumber(d[1], 1, 12, w.month) && WholeNumber(d[2], 1, 31, w.day) &&
              WholeNumber(t[0], 0, 23, w.hour) && WholeNumber(t[1], 0, 59, w.minute) &&
              WholeNumber(t[2], 0, 60, w.second);
    if (ok) when = w;
    return ok;
}

std::string BesideSettings(const std::string& settings_path, const char* name) {
    size_t slash = settings_path.rfind('/');
    if (slash == std::string::npos) return "";
    return settings_path.substr(0, slash + 1) + name;
}

}  // namespace quorrel
