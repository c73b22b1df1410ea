#include "board/problem_file.h"

#include "state/convert.h"

namespace quorrel {
namespace {

// The last width characters of the number written with its sign position, blanks on the left.
std::string RightAligned(int32_t value, size_t width) {
    std::string text = std::string(width, ' ') + NumberText(value);
    return text.substr(text.size() - width);
}

// The next 8-byte record of in, taken off its front; false when fewer bytes are left.
bool ReadRecord(std::string_view& in, ProblemRecord& record) {
    if (in.size() < 8) return false;
    auto byte = [&](int i) { return static_cast<unsigned char>(in[static_cast<size_t>(i)]); };
    for (int f = 0; f < 4; ++f)
        record[f] = static_cast<int16_t>(static_cast<uint16_t>(byte(2 * f) | byte(2 * f + 1) << 8));
    in.remove_prefix(8);
    return true;
}

}  // namespace

std::string ProblemFileName(int16_t target) {
    std::string number = "00" + PlainNumberText(target);
    return "BIN" + number.substr(number.size() - 2) + ".DAT";
}

std::string FormatStep(int16_t code) {
    // Truncating division and a remainder with the dividend's sign keep both operands within
    // -99..99 for every 16-bit code, so they always fit their places.
    int32_t g = static_cast<int32_t>(code) + 20000;
    int32_t k = g / 10000;
    int32_t left = g % 10000 / 100;
    int32_t right = g % 100;
    char op = k >= 1 && k <= 4 ? "-/+x"[k - 1] : '?';
    return RightAligned(left, 4) + op + RightAligned(right, 3);
}

std::string ProblemText(const ProblemRecord& record) {
    return RightAligned(static_cast<int32_t>(record[0]) - 123, 5) + FormatStep(record[1]) +
           FormatStep(record[2]) + FormatStep(record[3]);
}

int16_t ProblemDigit(const std::string& text, int i) {
    size_t at = static_cast<size_t>(i) + 1;
    if (i < 0 || at >= text.size()) return 0;
    char c = text[at];
    return c >= '0' && c <= '9' ? static_cast<int16_t>(c - '0') : 0;
}

std::string WithDivisionSigns(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '/')
            out += kDivisionSign;
        else
            out += c;
    }
    return out;
}

std::vector<std::string> ReadProblemTexts(std::string_view in,
                                          const std::array<int16_t, 3>& groups_on,
                                          size_t capacity) {
    std::vector<std::string> texts;
    ProblemRecord counts;
    if (!ReadRecord(in, counts)) return texts;
    for (int g = 0; g < 3; ++g) {
        for (int n = 0; n < counts[g]; ++n) {
            if (texts.size() >= capacity) return texts;  // nothing later could be kept
            ProblemRecord record;
            if (!ReadRecord(in, record)) return texts;
            if (groups_on[g] != 0) texts.push_back(ProblemText(record));
        }
    }
    return texts;
}

}  // namespace quorrel
