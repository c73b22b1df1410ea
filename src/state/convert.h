// Conversions every subsystem shares: number texts, rounding, remainders and the text encoding.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorrel {

// The division sign U+00F7 in UTF-8, the encoding of every text the game keeps and shows.
inline constexpr char kDivisionSign[] = "\xC3\xB7";

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

// A whole text as a finite decimal number: [-] digits [. digits] | [-] . digits, then an
// optional exponent; the value correctly rounded, as std::from_chars gives it. False for any
// other text, for "inf", "nan" and hexadecimal forms, and for a value out of double's range.
// Locale-independent.
bool ParseDecimal(std::string_view text, double& value);

// Nearest integer, an exact half to the even neighbour. Out-of-range values (and NaN, as 0)
// saturate instead of overflowing.
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);
double RoundHalfEven(double value);

// Remainder with the sign of the dividend.
inline int32_t Remainder(int32_t dividend, int32_t divisor) { return dividend % divisor; }
double Remainder(double dividend, double divisor);

// The length of the well-formed UTF-8 sequence that starts at text[at] (1 for ASCII), or 0 when
// none does there (a stray continuation byte, a cut-off, overlong or surrogate sequence).
size_t Utf8SequenceLength(std::string_view text, size_t at);

// Text as it can be drawn: well-formed UTF-8 kept as it is, any other byte read as Latin-1 (a
// file name from an old system), so nothing is lost or replaced by garbage.
std::string ValidUtf8(std::string_view text);

// pattern with each "%s" replaced by the next argument in turn and "%%" by "%"; a "%s" without
// an argument left is dropped, so a faulty translation never reads past its arguments.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace quorrel
