// Conversions every subsystem shares: number texts, rounding, remainders and the text encoding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorrel {

// The division sign inside texts: one Windows-1252 byte, so character positions stay fixed.
constexpr char kDivisionSign = '\xF7';

// " 237" for values of 0 and above, "-2" for negatives.
std::string NumberText(int64_t value);

// The decimal text without the leading blank ("24", "-2").
std::string PlainNumberText(int64_t value);

// The shortest text of a single-precision value, with the leading blank rule and no 0 before
// the point: 0.5 -> " .5", 1.5 -> " 1.5", 2 -> " 2", -0.25 -> "-.25".
std::string ShortNumberText(float value);

// The longest leading part of a text that reads as a decimal number ("007" -> 7, "2.5" -> 2.5,
// "1.2.3" -> 1.2); "", "." and "abc" read as 0. Leading blanks are skipped. Locale-independent.
double LeadingNumber(std::string_view text);

// Nearest integer, an exact half to the even neighbour. Out-of-range values (and NaN, as 0)
// saturate instead of overflowing.
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);
double RoundHalfEven(double value);

// Remainder with the sign of the dividend.
inline int32_t Remainder(int32_t dividend, int32_t divisor) { return dividend % divisor; }
double Remainder(double dividend, double divisor);

// Windows-1252 text to UTF-8 for drawing and for printing; the division sign becomes U+00F7.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace quorrel
