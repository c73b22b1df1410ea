// The problem files: 8-byte records of four 16-bit little-endian integers. Record 1 holds the
// counts of the three operator groups; each problem record holds the four digits (+ 123) and
// the three step codes of its stored solution. Problems are kept as 29-character texts, the
// unit in which they are dealt and hinted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

using ProblemRecord = std::array<int16_t, 4>;

// "BIN24.DAT": the target as two digits.
std::string ProblemFileName(int16_t target);

// The 8-character step text: left operand right-aligned in 4, the operator of "-/+x", the
// right operand right-aligned in 3 (12 x 12 -> "  12x 12"). A code outside the four operator
// ranges (-10000..29999) shows "?" as its operator; the text keeps its 8 characters.
std::string FormatStep(int16_t code);

// The 29-character problem text: the numbers field less 123 right-aligned in 5 with its sign
// position, then the three step texts. A numbers field outside 123..10122 keeps the last five
// characters of its number, so the text keeps its length and its digit places.
std::string ProblemText(const ProblemRecord& record);

// The puzzle's number in box order 0..3: characters 2 to 5 of the text; a blank or any other
// character that is not a digit (or a text too short to hold it) reads as 0.
int16_t ProblemDigit(const std::string& text, int i);

// The problem's text as the game keeps and shows it: each '/' of a division step as the
// division sign (two bytes of UTF-8, so steps after it start later in the bytes).
std::string WithDivisionSigns(std::string_view text);

// Reads record 1 and the problem records after it, keeping the texts of the groups that are
// switched on (non-zero) in file order, at most capacity of them. Records of groups that are
// off are still passed over. Bytes that end early give the problems read so far; bytes
// without a whole counts record give none; bytes past the last counted record are ignored.
std::vector<std::string> ReadProblemTexts(std::string_view bytes,
                                          const std::array<int16_t, 3>& groups_on, size_t capacity);

// The most bytes ReadProblemTexts can look at: the counts record and as many records as three
// 16-bit counts can name. Reading more of a file is never needed.
constexpr size_t kProblemFileMaxBytes = 8 + 8 * 3 * 32767;

}  // namespace quorrel
