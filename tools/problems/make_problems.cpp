// Writes the ten problem files BIN00.DAT ... BIN48.DAT into the folder given as the only argument.
//
//   g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic tools/problems/make_problems.cpp -o make_problems
//   ./make_problems Media
//
// Every multiset of four digits is tried against every target. A puzzle's group is the smallest
// operator set (0: + -, 1: + - x, 2: + - x /) that reaches the target under the game's own move
// rules, where negative results are allowed. The stored solution, however, is the one a child
// can follow from the hints: it uses only the operators of that group, never goes below zero
// (the step code has no room for a negative operand) and keeps every operand within 0..99.
// Among those, solutions without "x0", "x1", "/1", "+0", "-0" style steps win, then the one with
// the smallest numbers along the way.
//
// A file holds at most 500 problems (the game's list capacity). Where a target has more, the
// least instructive puzzles are dropped, worst first:
//   1. two or more zeros on the board (the zeros alone wipe out any product);
//   2. then puzzles whose every storable solution needs a trick step (x0, x1, /1, +0, -0, 0/n),
//      those needing the most trick steps first; among equals, a 0 on the board first, then a
//      solution that wipes a number out by x0 or 0/n, then fewer different digits, then smaller
//      numbers along the way, then the smaller numbers field.
// Puzzles that have a solution without tricks come last in the same order. The output is the
// same on every run.
//
// The program prints the counts by group for each target and every puzzle it left out.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

namespace {

constexpr std::array<int, 10> kTargets = {0, 6, 12, 15, 18, 24, 30, 36, 42, 48};
constexpr int kCapacity = 500;
constexpr int kMaxOperand = 99;
constexpr int kNoGroup = 3;

enum Op { kAdd, kSub, kMul, kDiv };

// The smallest group that contains the operator.
constexpr int OpGroup(Op op) { return op == kAdd || op == kSub ? 0 : op == kMul ? 1 : 2; }

struct Step {
    int left = 0;
    Op op = kAdd;
    int right = 0;
};

// code = 10000 * (k - 2) + 100 * left + right, k being the operator's place in "-/+x".
int StepCode(const Step& s) {
    int k = 0;
    switch (s.op) {
        case kSub:
            k = 1;
            break;
        case kDiv:
            k = 2;
            break;
        case kAdd:
            k = 3;
            break;
        case kMul:
            k = 4;
            break;
    }
    return 10000 * (k - 2) + 100 * s.left + s.right;
}

bool Apply(Op op, int left, int right, int& result) {
    switch (op) {
        case kAdd:
            result = left + right;
            return true;
        case kSub:
            result = left - right;
            return true;
        case kMul:
            result = left * right;
            return true;
        case kDiv:
            if (right == 0 || left % right != 0) return false;
            result = left / right;
            return true;
    }
    return false;
}

// A step that leaves its other operand unchanged or wipes it out: no arithmetic to learn.
bool IsTrick(const Step& s) {
    switch (s.op) {
        case kAdd:
            return s.left == 0 || s.right == 0;
        case kSub:
            return s.right == 0;
        case kMul:
            return s.left <= 1 || s.right <= 1;
        case kDiv:
            return s.right == 1 || s.left == 0;
    }
    return false;
}

struct Solution {
    std::array<Step, 3> steps{};
    int group = 0;
    int tricks = 0;
    int largest = 0;   // largest result along the way
    int hard_ops = 0;  // multiplications and divisions
    int result_sum = 0;
    std::array<int, 3> codes{};

    auto Key() const { return std::tie(tricks, largest, hard_ops, result_sum, codes); }
};

using Board = std::vector<int>;

// Game rules: any ordered pair, any operator of the set, negatives allowed, no size limit.
// Marks in reach[g] every final value reachable with the operators of group g.
void ExploreGameRules(const Board& board, int max_group, std::vector<bool>& reach, int offset) {
    if (board.size() == 1) {
        int v = board[0] + offset;
        if (v >= 0 && v < static_cast<int>(reach.size())) reach[v] = true;
        return;
    }
    for (size_t i = 0; i < board.size(); ++i) {
        for (size_t j = 0; j < board.size(); ++j) {
            if (i == j) continue;
            for (int o = 0; o < 4; ++o) {
                Op op = static_cast<Op>(o);
                if (OpGroup(op) > max_group) continue;
                int result = 0;
                if (!Apply(op, board[i], board[j], result)) continue;
                Board next;
                for (size_t m = 0; m < board.size(); ++m) {
                    if (m != i && m != j) next.push_back(board[m]);
                }
                next.push_back(result);
                ExploreGameRules(next, max_group, reach, offset);
            }
        }
    }
}

// Child-followable solutions: no negative results, operands 0..99, + and x written larger first.
void ExploreFollowable(const Board& board, std::array<Step, 3>& path, int depth,
                       std::vector<std::vector<Solution>>& by_target) {
    if (board.size() == 1) {
        for (size_t t = 0; t < kTargets.size(); ++t) {
            if (board[0] != kTargets[t]) continue;
            Solution s;
            s.steps = path;
            for (int k = 0; k < 3; ++k) {
                const Step& st = path[k];
                int r = 0;
                Apply(st.op, st.left, st.right, r);
                s.group = std::max(s.group, OpGroup(st.op));
                s.tricks += IsTrick(st) ? 1 : 0;
                s.largest = std::max(s.largest, r);
                s.hard_ops += OpGroup(st.op) > 0 ? 1 : 0;
                s.result_sum += r;
                s.codes[k] = StepCode(st);
            }
            by_target[t].push_back(s);
        }
        return;
    }
    for (size_t i = 0; i < board.size(); ++i) {
        for (size_t j = 0; j < board.size(); ++j) {
            if (i == j) continue;
            int left = board[i];
            int right = board[j];
            if (left > kMaxOperand || right > kMaxOperand) continue;
            for (int o = 0; o < 4; ++o) {
                Op op = static_cast<Op>(o);
                if ((op == kAdd || op == kMul) && left < right) continue;
                int result = 0;
                if (!Apply(op, left, right, result) || result < 0) continue;
                Board next;
                for (size_t m = 0; m < board.size(); ++m) {
                    if (m != i && m != j) next.push_back(board[m]);
                }
                next.push_back(result);
                path[depth] = Step{left, op, right};
                ExploreFollowable(next, path, depth + 1, by_target);
            }
        }
    }
}

struct Puzzle {
    std::array<int, 4> digits{};  // ascending
    int NumbersField() const {
        return digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3] + 123;
    }
    int Count(int digit) const {
        return static_cast<int>(std::count(digits.begin(), digits.end(), digit));
    }
    int Distinct() const {
        int n = 1;
        for (int k = 1; k < 4; ++k) n += digits[k] != digits[k - 1] ? 1 : 0;
        return n;
    }
    std::string Text() const {
        std::string s;
        for (int d : digits) s += static_cast<char>('0' + d);
        return s;
    }
};

struct Candidate {
    Puzzle puzzle;
    int group = 0;
    Solution solution;  // the best storable one, so tricks > 0 means every one has a trick
};

bool WipesOut(const Solution& s) {
    for (const Step& st : s.steps) {
        if ((st.op == kMul && (st.left == 0 || st.right == 0)) || (st.op == kDiv && st.left == 0)) {
            return true;
        }
    }
    return false;
}

// Lower is dropped first; the order is explained at the top of the file.
auto DropKey(const Candidate& c) {
    const Puzzle& p = c.puzzle;
    const int many_zeros = p.Count(0) >= 2 ? 0 : 1;
    return std::make_tuple(many_zeros, -c.solution.tricks, p.Count(0) > 0 ? 0 : 1,
                           WipesOut(c.solution) ? 0 : 1, p.Distinct(), c.solution.largest,
                           p.NumbersField());
}

std::string StepText(const Step& s) {
    static const char kOpChar[] = {'+', '-', 'x', '/'};
    return std::to_string(s.left) + kOpChar[s.op] + std::to_string(s.right);
}

std::string SolutionText(const Solution& s) {
    return StepText(s.steps[0]) + ", " + StepText(s.steps[1]) + ", " + StepText(s.steps[2]);
}

void PutInt16(std::string& out, int value) {
    auto u = static_cast<uint16_t>(static_cast<int16_t>(value));
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "cannot make %s: %s\n", folder.c_str(), ec.message().c_str());
        return 1;
    }

    std::vector<Puzzle> puzzles;
    for (int a = 0; a <= 9; ++a)
        for (int b = a; b <= 9; ++b)
            for (int c = b; c <= 9; ++c)
                for (int d = c; d <= 9; ++d) puzzles.push_back(Puzzle{{a, b, c, d}});

    // Game-rule results cover -729..6561; an offset keeps the table index non-negative.
    constexpr int kOffset = 1000;
    constexpr int kSpan = 8000;

    std::vector<std::vector<Candidate>> per_target(kTargets.size());
    std::vector<std::array<int, 3>> solvable(kTargets.size(), {0, 0, 0});
    std::vector<std::vector<std::string>> unstorable(kTargets.size());

    for (const Puzzle& p : puzzles) {
        Board board(p.digits.begin(), p.digits.end());
        std::array<std::vector<bool>, 3> reach;
        for (int g = 0; g < 3; ++g) {
            reach[g].assign(kSpan, false);
            ExploreGameRules(board, g, reach[g], kOffset);
        }
        std::vector<std::vector<Solution>> followable(kTargets.size());
        std::array<Step, 3> path{};
        ExploreFollowable(board, path, 0, followable);

        for (size_t t = 0; t < kTargets.size(); ++t) {
            int group = kNoGroup;
            for (int g = 2; g >= 0; --g) {
                if (reach[g][kTargets[t] + kOffset]) group = g;
            }
            if (group == kNoGroup) continue;
            ++solvable[t][group];

            const Solution* best = nullptr;
            for (const Solution& s : followable[t]) {
                if (s.group != group) continue;
                if (best == nullptr || s.Key() < best->Key()) best = &s;
            }
            if (best == nullptr) {
                std::string why = followable[t].empty() ? "no followable solution"
                                                        : "followable only with more operators";
                unstorable[t].push_back(p.Text() + " (group " + std::to_string(group) + ": " + why +
                                        ")");
                continue;
            }
            per_target[t].push_back(Candidate{p, group, *best});
        }
    }

    int status = 0;
    for (size_t t = 0; t < kTargets.size(); ++t) {
        std::vector<Candidate>& list = per_target[t];
        std::printf("target %2d: solvable by group %d/%d/%d, storable %zu, not storable %zu\n",
                    kTargets[t], solvable[t][0], solvable[t][1], solvable[t][2], list.size(),
                    unstorable[t].size());
        for (const std::string& u : unstorable[t]) std::printf("  cannot store %s\n", u.c_str());

        if (static_cast<int>(list.size()) > kCapacity) {
            std::vector<size_t> order(list.size());
            for (size_t k = 0; k < order.size(); ++k) order[k] = k;
            std::sort(order.begin(), order.end(),
                      [&](size_t x, size_t y) { return DropKey(list[x]) < DropKey(list[y]); });
            const size_t drop = list.size() - kCapacity;
            std::vector<bool> dropped(list.size(), false);
            for (size_t k = 0; k < drop; ++k) dropped[order[k]] = true;
            std::array<int, 3> dropped_by_group{};
            for (size_t k = 0; k < drop; ++k) {
                const Candidate& c = list[order[k]];
                ++dropped_by_group[c.group];
                std::printf("  left out %s group %d, %d trick step(s): %s\n",
                            c.puzzle.Text().c_str(), c.group, c.solution.tricks,
                            SolutionText(c.solution).c_str());
            }
            std::printf("  left out %zu (by group %d/%d/%d)\n", drop, dropped_by_group[0],
                        dropped_by_group[1], dropped_by_group[2]);
            std::vector<Candidate> kept;
            for (size_t k = 0; k < list.size(); ++k) {
                if (!dropped[k]) kept.push_back(list[k]);
            }
            list = std::move(kept);
        }

        // Group order, and within a group ascending by the numbers field.
        std::stable_sort(list.begin(), list.end(), [](const Candidate& x, const Candidate& y) {
            return std::make_pair(x.group, x.puzzle.NumbersField()) <
                   std::make_pair(y.group, y.puzzle.NumbersField());
        });
        std::array<int, 3> counts{};
        for (const Candidate& c : list) ++counts[c.group];

        std::string bytes;
        PutInt16(bytes, counts[0]);
        PutInt16(bytes, counts[1]);
        PutInt16(bytes, counts[2]);
        PutInt16(bytes, 0);
        for (const Candidate& c : list) {
            PutInt16(bytes, c.puzzle.NumbersField());
            for (int code : c.solution.codes) PutInt16(bytes, code);
        }
        char name[16];
        std::snprintf(name, sizeof name, "BIN%02d.DAT", kTargets[t]);
        if (!WriteFile(folder / name, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / name).c_str());
            status = 1;
            continue;
        }
        std::printf("  wrote %s: %d/%d/%d = %zu problems\n", name, counts[0], counts[1], counts[2],
                    list.size());
    }
    return status;
}
