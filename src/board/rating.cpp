#include "board/rating.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <map>

#include "board/move_math.h"
#include "board/problem_file.h"
#include "state/game_state.h"

namespace quorrel {
namespace {

// A solution is a tree of moves. Its operators are directed between a left and a right operand
// so that each tree is made once: + and x once for both orders, - and / once each way.
constexpr int kDirected = 6;
constexpr std::array<int16_t, kDirected> kOperator = {kAdd,      kMultiply, kSubtract,
                                                      kSubtract, kDivide,   kDivide};
constexpr std::array<bool, kDirected> kSwapped = {false, false, false, true, false, true};
constexpr std::array<uint8_t, kDirected> kBit = {kAddBit,      kMultiplyBit, kSubtractBit,
                                                 kSubtractBit, kDivideBit,   kDivideBit};
// Right minus left and right over left, which are left minus right and left over right again
// when both operands are the same.
bool Mirrored(int d) { return d == 3 || d == 5; }

// The game's arithmetic: false where the board refuses the move.
bool Apply(int d, int16_t left, int16_t right, int16_t& out) {
    return kSwapped[d] ? QuickCombine(kOperator[d], right, left, out)
                       : QuickCombine(kOperator[d], left, right, out);
}

struct Move {
    int16_t value = 0;
    uint8_t bit = 0;
    uint8_t id = 0;  // among the distinct first moves
};

// Two dealt numbers by value, the smaller on the left, with the moves the board accepts on them
// and the positions of the other two numbers.
struct Pair {
    int16_t left = 0, right = 0;
    std::array<Move, kDirected> moves{};
    int count = 0;
    int other_a = 0, other_b = 0;
};

struct Tally {
    int32_t count = 0;
    uint8_t operators = 0xF;
    bool negative = true, large = true;
    uint64_t leading = 0;  // first moves that start a solution, by id
};

// Whether the move ends no farther from the target than the nearer of its operands.
bool Toward(int16_t left, int16_t right, int16_t result, int16_t target) {
    auto off = [target](int16_t v) { return std::abs(int32_t{v} - target); };
    return off(result) <= std::min(off(left), off(right));
}

class Search {
  public:
    explicit Search(const std::array<int16_t, 4>& n) : n_(n) {
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                if (Find(n[i], n[j]) < 0) AddPair(i, j);
    }

    TargetRatings Run() {
        for (const Pair& p : pairs_) Chains(p);
        Balanced();
        TargetRatings out;
        for (int16_t t = 0; t <= kRatingMaxTarget; ++t) out[t] = Finish(t);
        return out;
    }

  private:
    int Find(int16_t a, int16_t b) const {
        for (size_t k = 0; k < pairs_.size(); ++k)
            if (pairs_[k].left == std::min(a, b) && pairs_[k].right == std::max(a, b))
                return static_cast<int>(k);
        return -1;
    }

    void AddPair(int i, int j) {
        Pair p;
        p.left = std::min(n_[i], n_[j]);
        p.right = std::max(n_[i], n_[j]);
        p.other_a = i == 0 ? (j == 1 ? 2 : 1) : 0;  // the smaller position not in the pair
        p.other_b = 6 - i - j - p.other_a;
        for (int d = 0; d < kDirected; ++d) {
            int16_t v = 0;
            if ((p.left == p.right && Mirrored(d)) || !Apply(d, p.left, p.right, v)) continue;
            const uint8_t id = static_cast<uint8_t>(pairs_.size() * kDirected + d);
            p.moves[p.count++] = Move{v, kBit[d], id};
            first_moves_.push_back({p.left, p.right, v, id});
        }
        pairs_.push_back(p);
    }

    // ((pair, c), d): a move on the pair, then on its result and c, then with d.
    void Chains(const Pair& p) {
        for (int m = 0; m < p.count; ++m) {
            const Move& first = p.moves[m];
            for (int turn = 0; turn < 2; ++turn) {
                const int c = turn == 0 ? p.other_a : p.other_b;
                const int d = turn == 0 ? p.other_b : p.other_a;
                if (turn == 1 && n_[c] == n_[d]) break;  // the same tree again
                for (int d2 = 0; d2 < kDirected; ++d2) {
                    int16_t v2 = 0;
                    if (!Apply(d2, first.value, n_[c], v2)) continue;
                    Finals(v2, n_[d], false, first.bit | kBit[d2], first.value, v2,
                           uint64_t{1} << first.id);
                }
            }
        }
    }

    // (pair, other pair): the two halves in either order, then one move joining them.
    void Balanced() {
        std::array<int, 3> done{-1, -1, -1};
        for (int j = 1; j < 4; ++j) {
            const int pa = Find(n_[0], n_[j]);
            const Pair& a = pairs_[pa];
            const int pb = Find(n_[a.other_a], n_[a.other_b]);
            const int key = std::min(pa, pb) * 8 + std::max(pa, pb);
            if (std::find(done.begin(), done.end(), key) != done.end()) continue;
            done[j - 1] = key;
            const Pair& b = pairs_[pb];
            for (int x = 0; x < a.count; ++x) {
                for (int y = pa == pb ? x : 0; y < b.count; ++y) {
                    const Move& ma = a.moves[x];
                    const Move& mb = b.moves[y];
                    Finals(ma.value, mb.value, pa == pb && x == y, ma.bit | mb.bit, ma.value,
                           mb.value, uint64_t{1} << ma.id | uint64_t{1} << mb.id);
                }
            }
        }
    }

    // The last move, on left and right (the same expression when same): only results that
    // are targets count, and those always fit the board, so the move is worked out directly.
    void Finals(int32_t left, int32_t right, bool same, uint8_t bits, int16_t v1, int16_t v2,
                uint64_t firsts) {
        auto is_target = [](int32_t v) { return v >= 0 && v <= kRatingMaxTarget; };
        auto record = [&](int32_t v, uint8_t bit) {
            if (is_target(v)) Record(static_cast<int16_t>(v), bits | bit, v1, v2, firsts);
        };
        record(left + right, kAddBit);
        record(left * right, kMultiplyBit);
        record(left - right, kSubtractBit);
        if (!same) record(right - left, kSubtractBit);
        if (right != 0 && is_target(left / right) && left % right == 0)
            record(left / right, kDivideBit);
        if (!same && left != 0 && is_target(right / left) && right % left == 0)
            record(right / left, kDivideBit);
    }

    void Record(int16_t result, uint8_t operators, int16_t v1, int16_t v2, uint64_t firsts) {
        if (result < 0 || result > kRatingMaxTarget) return;
        Tally& t = tallies_[result];
        ++t.count;
        t.operators &= operators;
        t.negative = t.negative && (v1 < 0 || v2 < 0);
        t.large = t.large && std::max(v1, v2) > LargeAbove(result);
        t.leading |= firsts;
    }

    PuzzleRating Finish(int16_t target) const {
        PuzzleRating r;
        const Tally& t = tallies_[target];
        r.legal_first_moves = static_cast<int16_t>(first_moves_.size());
        if (t.count == 0) return r;
        r.solutions = t.count;
        r.needed_operators = t.operators;
        r.always_negative = t.negative;
        r.always_large = t.large;
        r.leading_first_moves = static_cast<int16_t>(std::popcount(t.leading));
        r.first_move_away = true;
        for (const FirstMove& f : first_moves_)
            if ((t.leading >> f.id & 1) != 0 && Toward(f.left, f.right, f.result, target))
                r.first_move_away = false;
        r.score = DifficultyScore(r);
        r.level = LevelForScore(r.score);
        return r;
    }

    struct FirstMove {
        int16_t left, right, result;
        uint8_t id;
    };
    std::array<int16_t, 4> n_;
    std::vector<Pair> pairs_;
    std::vector<FirstMove> first_moves_;
    std::array<Tally, kRatingMaxTarget + 1> tallies_{};
};

}  // namespace

bool QuickCombine(int16_t op, int16_t first, int16_t second, int16_t& out) {
    // A 16-bit dividend over a divisor that does not divide it is at least 1 / |divisor| from
    // a whole number, far more than the float quotient's rounding: whole means divisible.
    int32_t a = first, b = second, v = 0;
    switch (op) {
        case kAdd:
            v = a + b;
            break;
        case kSubtract:
            v = a - b;
            break;
        case kMultiply:
            v = a * b;
            break;
        case kDivide:
            if (b == 0 || a % b != 0) return false;
            v = a / b;
            break;
        default:
            return false;
    }
    if (v < INT16_MIN || v > INT16_MAX || v == kEmptied) return false;
    out = static_cast<int16_t>(v);
    return true;
}

int32_t LargeAbove(int16_t target) { return std::max(2 * int32_t{target}, 20); }

double DifficultyScore(const PuzzleRating& f) {
    // Blind search: the bits of luck a child needs to pick a first move that still works.
    double score =
        0.5 * std::log2(static_cast<double>(f.legal_first_moves) / f.leading_first_moves);
    score += 1.0 / f.solutions;  // a single way in weighs a whole step; many ways hardly any
    if (f.needed_operators & kSubtractBit) score += 0.25;
    if (f.needed_operators & kMultiplyBit) score += 0.5;
    if (f.needed_operators & kDivideBit) score += 1.0;
    if (f.always_negative) score += 1.5;
    if (f.always_large) score += 1.0;
    if (f.first_move_away) score += 1.0;
    return score;
}

int16_t LevelForScore(double score) {
    constexpr std::array<double, 4> kUpTo = {1.0, 2.0, 3.0, 4.0};
    int16_t level = 1;
    for (double bound : kUpTo) level += score >= bound ? 1 : 0;
    return level;
}

TargetRatings RateAllTargets(const std::array<int16_t, 4>& numbers) {
    return Search(numbers).Run();
}

PuzzleRating RatePuzzle(const std::array<int16_t, 4>& numbers, int16_t target) {
    if (target < 0 || target > kRatingMaxTarget) return PuzzleRating{};
    return RateAllTargets(numbers)[target];
}

std::vector<PuzzleRating> RatePuzzles(const std::vector<Puzzle>& puzzles) {
    std::map<std::array<int16_t, 4>, TargetRatings> searched;
    std::vector<PuzzleRating> out;
    out.reserve(puzzles.size());
    for (const Puzzle& p : puzzles) {
        std::array<int16_t, 4> key = p.numbers;
        std::sort(key.begin(), key.end());
        auto at = searched.find(key);
        if (at == searched.end()) at = searched.emplace(key, RateAllTargets(key)).first;
        out.push_back(p.target < 0 || p.target > kRatingMaxTarget ? PuzzleRating{}
                                                                  : at->second[p.target]);
    }
    return out;
}

std::vector<Puzzle> PuzzlesOfProblemFile(std::string_view bytes, int16_t target) {
    std::vector<Puzzle> puzzles;
    constexpr size_t kEveryProblem = 3 * 32767;  // as many as a file's three counts can name
    for (const std::string& text : ReadProblemTexts(bytes, {1, 1, 1}, kEveryProblem)) {
        Puzzle p{{}, target};
        for (int i = 0; i < 4; ++i) p.numbers[i] = ProblemDigit(text, i);
        puzzles.push_back(p);
    }
    return puzzles;
}

}  // namespace quorrel
