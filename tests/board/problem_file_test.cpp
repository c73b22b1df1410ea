// The problem-file reader; the texts it keeps are dealt and hinted in the scenarios.
#include "board/problem_file.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

// Step codes: 10000 * (k - 2) + 100 * left + right, k the place of the operator in "-/+x".
constexpr int16_t kOnePlusSix = 10106;

std::string Bytes(const std::vector<ProblemRecord>& records) {
    std::string bytes;
    for (const ProblemRecord& r : records)
        for (int16_t field : r)
            bytes += {static_cast<char>(field & 0xFF), static_cast<char>(field >> 8 & 0xFF)};
    return bytes;
}

TEST(ProblemFile, ReadsTheGroupsThatAreOn) {
    std::vector<ProblemRecord> p;
    std::vector<std::string> t;
    for (int16_t i = 1; i <= 5; ++i) {
        p.push_back({static_cast<int16_t>(i + 123), kOnePlusSix, 0, 0});
        t.push_back(ProblemText(p.back()));
    }
    const std::string file = Bytes({{2, 1, 2, 0}, p[0], p[1], p[2], p[3], p[4]});
    struct Case {
        std::string bytes;
        std::array<int16_t, 3> groups;
        size_t capacity;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {file, {-1, -1, -1}, 1000, t},
        {file, {-1, 0, -1}, 1000, {t[0], t[1], t[3], t[4]}},  // later groups still read
        {file, {0, 1, 0}, 1000, {t[2]}},
        {file, {-1, -1, -1}, 3, {t[0], t[1], t[2]}},
        {Bytes({{-3, 1, 0, 0}, p[0], p[1]}), {-1, -1, -1}, 1000, {t[0]}},
        {Bytes({{2, 2, 2, 0}, p[0], p[1], p[2]}) + "\x01\x02\x03",
         {-1, -1, -1},
         1000,
         {t[0], t[1], t[2]}},
        {Bytes({{32767, 32767, 32767, 0}, p[0]}), {-1, -1, -1}, 1000, {t[0]}},
        {"\x05\x00\x00", {-1, -1, -1}, 1000, {}}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadProblemTexts(c.bytes, c.groups, c.capacity), c.want) << c.bytes.size();
}

}  // namespace
}  // namespace quorrel
