#include "shell/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "state/convert.h"

namespace quorrel {
namespace {

constexpr size_t kNumberCount = 11;

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [+-] digits [. digits] | [+-] . digits, then an optional exponent. Checked by hand because
// from_chars alone would also take "inf", "nan" and hexadecimal forms.
bool ParseNumber(std::string_view token, double& value) {
    size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    size_t digits = 0;
    while (i < token.size() && IsDigit(token[i])) ++i, ++digits;
    if (i < token.size() && token[i] == '.') {
        ++i;
        while (i < token.size() && IsDigit(token[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
        size_t exponent_digits = 0;
        while (i < token.size() && IsDigit(token[i])) ++i, ++exponent_digits;
        if (exponent_digits == 0) return false;
    }
    if (i != token.size()) return false;
    if (token[0] == '+') token.remove_prefix(1);
    return ParseDecimal(token, value);
}

// Every token, or false as soon as one is not a number.
bool ParseNumbers(std::string_view text, std::vector<double>& numbers) {
    size_t i = 0;
    while (i < text.size()) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < text.size() && !IsSeparator(text[i])) ++i;
        double value = 0;
        if (!ParseNumber(text.substr(start, i - start), value)) return false;
        numbers.push_back(value);
    }
    return true;
}

bool FitsInt16(double rounded) { return rounded >= -32768 && rounded <= 32767; }

// A 16-bit field in first..last, else the fallback.
int16_t InRange(double value, int first, int last, int16_t fallback) {
    double rounded = RoundHalfEven(value);
    return rounded >= first && rounded <= last ? static_cast<int16_t>(rounded) : fallback;
}

int16_t Flag(double value) { return RoundHalfEven(value) != 0 ? -1 : 0; }

// A single-precision value as the file holds it: the sign position, at most seven significant
// digits, no 0 before the point. The decimal point is a point in every locale.
std::string SingleText(double value) {
    float single = static_cast<float>(value);
    if (std::fabs(single) < 1e-4f) single = 0;  // would need an exponent; it reads back as 0
    if (single == std::floor(single)) return NumberText(static_cast<int64_t>(single));
    // printf's %.7g is to_chars' general form at precision 7 (which a few toolchains lack for
    // doubles); a locale's decimal comma goes back to a point.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(single));
    std::string text(buffer);
    std::replace(text.begin(), text.end(), ',', '.');
    bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
    return (negative ? "-" : " ") + text;
}

double ClampToInt16(double value) {
    if (std::isnan(value)) return 0;
    return std::clamp(value, -32768.0, 32767.0);
}

std::string WithoutTrailingSlashes(std::string path) {
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

SavedSettings DefaultSettings(const ScreenTwips& screen) {
    SavedSettings s;
    s.width = RoundToInt16(800 * screen.twips_per_pixel_x);
    s.height = RoundToInt16(600 * screen.twips_per_pixel_x);
    s.left = RoundToInt16((screen.width - s.width) / 2);
    s.top = RoundToInt16((screen.height - s.height) / 2);
    return s;
}

SavedSettings ParseSettings(std::string_view text, const ScreenTwips& screen) {
    SavedSettings s = DefaultSettings(screen);
    std::vector<double> v;
    if (!ParseNumbers(text, v) || v.size() < kNumberCount) return s;

    s.reward = Flag(v[0]);
    s.target = InRange(v[1], 0, 9, s.target);
    s.sound = InRange(v[2], 0, 2, s.sound);
    for (int g = 0; g < 3; ++g) s.groups[g] = Flag(v[3 + g]);
    s.window_state = InRange(v[6], 0, 2, 0);

    double left = RoundHalfEven(v[7]), top = RoundHalfEven(v[8]);
    double width = RoundHalfEven(v[9]), height = RoundHalfEven(v[10]);
    bool fits = FitsInt16(left) && FitsInt16(top) && FitsInt16(width) && FitsInt16(height);
    bool on_screen =
        left < screen.width && left + width > 0 && top < screen.height && top + height > 0;
    if (fits && width > 0 && height > 0 && on_screen) {
        s.left = static_cast<int16_t>(left);
        s.top = static_cast<int16_t>(top);
        s.width = static_cast<int16_t>(width);
        s.height = static_cast<int16_t>(height);
    }
    return s;
}

std::string FormatSettings(int16_t reward, int16_t target, int16_t sound,
                           const std::array<int16_t, 3>& groups, int16_t window_state,
                           const Placement& placement) {
    std::string text;
    for (int16_t value : {reward, target, sound, groups[0], groups[1], groups[2]})
        text += NumberText(value) + " ";
    text += "\r\n";
    text += NumberText(window_state) + " ";
    for (double value : {placement.left, placement.top, placement.width, placement.height})
        text += SingleText(ClampToInt16(value)) + " ";
    text += "\r\n";
    return text;
}

std::string ChooseDataFolderBase(const char* xdg_data_home, const char* home,
                                 const char* passwd_home) {
    return ChooseXdgFolder(xdg_data_home, home, passwd_home, ".local/share");
}

std::string ChooseXdgFolder(const char* xdg, const char* home, const char* passwd_home,
                            const char* below_home) {
    // A base of "/" alone would put the folder at the file-system root: not usable.
    if (IsAbsolute(xdg)) {
        std::string base = WithoutTrailingSlashes(xdg);
        if (!base.empty()) return base;
    }
    for (const char* folder : {home, passwd_home}) {
        if (IsAbsolute(folder)) return WithoutTrailingSlashes(folder) + "/" + below_home;
    }
    return "";
}

}  // namespace quorrel
