#include "state/convert.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quorrel {

std::string PlainNumberText(int64_t value) { return std::to_string(value); }

std::string NumberText(int64_t value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::string ShortNumberText(float value) {
    // Seven significant digits is what a single-precision value holds; %.7g trims trailing zeros.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    // The C library writes the locale's decimal mark; the game always writes a point.
    for (char& c : text)
        if (c == ',') c = '.';
    if (text.find('e') != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, "%.7f", static_cast<double>(value));
        text = buffer;
        for (char& c : text)
            if (c == ',') c = '.';
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    if (digits == "0" || digits.empty()) negative = false;
    return (negative ? "-" : " ") + digits;
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double whole = 0;
    bool any_digit = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        whole = whole * 10 + (text[i] - '0');
        any_digit = true;
        ++i;
    }
    double fraction = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            fraction += (text[i] - '0') * scale;
            scale /= 10;
            any_digit = true;
            ++i;
        }
    }
    if (!any_digit) return 0;
    double value = whole + fraction;
    return negative ? -value : value;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double floor_value = std::floor(value);
    double diff = value - floor_value;
    if (diff > 0.5) return floor_value + 1;
    if (diff < 0.5) return floor_value;
    return std::fmod(floor_value, 2.0) == 0 ? floor_value : floor_value + 1;
}

namespace {
template <typename Int>
Int RoundSaturating(double value) {
    if (std::isnan(value)) return 0;
    double rounded = RoundHalfEven(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}
}  // namespace

bool ParseDecimal(std::string_view text, double& value) {
    auto digit = [&](size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    size_t digits = 0;
    bool nonzero = false;
    for (; digit(i); ++i, ++digits) nonzero = nonzero || text[i] != '0';
    if (i < text.size() && text[i] == '.')
        for (++i; digit(i); ++i, ++digits) nonzero = nonzero || text[i] != '0';
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digit(i)) return false;
        while (digit(i)) ++i;
    }
    if (i != text.size()) return false;
    // strtod in the "C" locale, whatever the process's locale is: '.' is the point and the
    // result correctly rounded, as from_chars gives it (which a few toolchains lack for doubles).
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string copy(text);
    double read = strtod_l(copy.c_str(), nullptr, c_locale);
    // Out of range as from_chars has it: past the largest double, or a nonzero text that
    // rounds to zero.
    if (std::isinf(read) || (read == 0 && nonzero)) return false;
    value = read;
    return true;
}

int16_t RoundToInt16(double value) { return RoundSaturating<int16_t>(value); }
int32_t RoundToInt32(double value) { return RoundSaturating<int32_t>(value); }

double Remainder(double dividend, double divisor) { return std::fmod(dividend, divisor); }

size_t Utf8SequenceLength(std::string_view text, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    // The lead byte gives the length and the range of the second byte (RFC 3629, table 3-7).
    size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    return length;
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = Utf8SequenceLength(text, i);
        if (length > 0) {
            out.append(text, i, length);
            i += length;
            continue;
        }
        unsigned char c = static_cast<unsigned char>(text[i++]);
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != args.end()) out += *next++;
            ++i;
        } else if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace quorrel
