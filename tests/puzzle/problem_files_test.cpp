// Every shipped problem file checked with a solver of its own, against the rules of a move, so
// that a broken generator or a hand-edited file cannot reach the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kCapacity = 500, kMaxTarget = 48, kUnreachable = 3;
using Digits = std::array<int, 4>;
using GroupTable = std::array<int, kMaxTarget + 1>;  // value -> smallest group, or kUnreachable

int OpGroup(char op) { return op == 'x' ? 1 : op == '/' ? 2 : 0; }

// Any two numbers on the board, negatives allowed, division only when exact and not by 0.
bool Combine(char op, int a, int b, int& result) {
    if (op == '/' && (b == 0 || a % b != 0)) return false;
    result = op == '+' ? a + b : op == '-' ? a - b : op == 'x' ? a * b : a / b;
    return true;
}

void Search(const int* board, int size, int group, GroupTable& table) {
    if (size == 1) {
        if (board[0] >= 0 && board[0] <= kMaxTarget)
            table[board[0]] = std::min(table[board[0]], group);
        return;
    }
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j) {
            if (i == j) continue;
            int rest[4], n = 0;
            for (int m = 0; m < size; ++m)
                if (m != i && m != j) rest[n++] = board[m];
            for (char op : {'+', '-', 'x', '/'})
                if (Combine(op, board[i], board[j], rest[n]))
                    Search(rest, n + 1, std::max(group, OpGroup(op)), table);
        }
}

// The smallest operator group reaching each value from these digits, by every three moves.
const GroupTable& SmallestGroups(Digits digits) {
    static std::map<Digits, GroupTable> cache;
    std::sort(digits.begin(), digits.end());
    auto [it, fresh] = cache.try_emplace(digits);
    if (fresh) {
        it->second.fill(kUnreachable);
        Search(digits.data(), 4, 0, it->second);
    }
    return it->second;
}

// Plays a stored solution (codes 10000 * (k - 2) + 100 * left + right, k the place in "-/+x");
// "" when every step is legal, within the group, and ends on the target.
std::string Replay(std::vector<int> board, const int16_t* codes, int group, int target) {
    for (int s = 0; s < 3; ++s) {
        int g = codes[s] + 20000, k = g / 10000, left = g % 10000 / 100, right = g % 100, result;
        char op = g >= 0 && k >= 1 && k <= 4 ? "-/+x"[k - 1] : '?';
        std::string step = std::to_string(left) + op + std::to_string(right);
        auto l = std::find(board.begin(), board.end(), left);
        if (op == '?' || l == board.end()) return step + ": bad code or operand";
        board.erase(l);
        auto r = std::find(board.begin(), board.end(), right);
        if (r == board.end() || !Combine(op, left, right, result)) return step + ": not a move";
        if (OpGroup(op) > group) return step + ": an operator of a later group";
        board.erase(r);
        board.push_back(result);
    }
    return board[0] == target ? "" : "ends at " + std::to_string(board[0]);
}

class ProblemFile : public ::testing::TestWithParam<int> {};

TEST_P(ProblemFile, HoldsEverySolvablePuzzleOnceWithAWorkingSolution) {
    const int target = GetParam();
    const std::string name =
        "/Media/BIN" + std::to_string(target / 10) + std::to_string(target % 10) + ".DAT";
    std::ifstream in(QUORREL_SOURCE_DIR + name, std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<int16_t> f(bytes.size() / 2);
    for (size_t i = 0; i < f.size(); ++i)
        f[i] = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    ASSERT_GE(f.size(), 4u) << name;
    const int total = f[0] + f[1] + f[2];
    ASSERT_TRUE(f[0] >= 0 && f[1] >= 0 && f[2] >= 0 && total > 0 && total <= kCapacity) << name;
    ASSERT_EQ(bytes.size(), 8u * (1 + total)) << name;
    std::set<Digits> seen;
    for (int p = 0; p < total; ++p) {
        const int16_t* record = &f[4 * (p + 1)];
        int v = record[0] - 123, group = p < f[0] ? 0 : p < f[0] + f[1] ? 1 : 2;
        ASSERT_TRUE(v >= 0 && v <= 9999) << name << " record " << p + 2;
        Digits d{v / 1000, v / 100 % 10, v / 10 % 10, v % 10};
        std::string label = std::to_string(v);
        EXPECT_EQ(Replay({d.begin(), d.end()}, record + 1, group, target), "") << label;
        EXPECT_EQ(SmallestGroups(d)[target], group) << label;
        std::sort(d.begin(), d.end());
        EXPECT_TRUE(seen.insert(d).second) << label << " twice";
    }
    if (total >= kCapacity) return;  // a full file leaves some puzzles out by design
    for (int a = 0; a <= 9; ++a)
        for (int b = a; b <= 9; ++b)
            for (int c = b; c <= 9; ++c)
                for (int d = c; d <= 9; ++d)
                    EXPECT_TRUE(SmallestGroups({a, b, c, d})[target] == kUnreachable ||
                                seen.count({a, b, c, d}))
                        << a << b << c << d << " missing";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ProblemFile,
                         ::testing::Values(0, 6, 12, 15, 18, 24, 30, 36, 42, 48));

}  // namespace
