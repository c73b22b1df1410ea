// The board's rules as played: scripts of clicks on a dealt puzzle and what each click did.
#include "board/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "board/problem_file.h"
#include "state/convert.h"
#include "state/game_state.h"

namespace quorrel {
namespace {

// A problem text with the numbers field and three stored steps ("3x4").
std::string Problem(int16_t numbers, const char* s1, const char* s2, const char* s3) {
    auto code = [](const char* step) {
        int left = 0, right = 0;
        char op = 0;
        std::istringstream(step) >> left >> op >> right;
        int k = std::string("-/+x").find(op) + 1;
        return static_cast<int16_t>(10000 * (k - 2) + 100 * left + right);
    };
    return ProblemText({static_cast<int16_t>(numbers + 123), code(s1), code(s2), code(s3)});
}

std::string Show(const Outcome& o) {
    static const char* const kWhy[] = {
        "",          "emptied", "picked",   "op-expected", "number-expected",
        "op-chosen", "div0",    "fraction", "range",       "unknown-op"};
    auto move = [&] {
        return std::to_string(o.first) + "+-x/"[o.op] + std::to_string(o.second) + "=" +
               std::to_string(o.result);
    };
    switch (o.what) {
        case Happened::Ignored:
            return "ignored";
        case Happened::Refused:
            return std::string("no:") + kWhy[static_cast<int>(o.why)];
        case Happened::Picked:
            return "pick" + std::to_string(o.first);
        case Happened::OperatorChosen:
            return std::string(1, "+-x/"[o.op]);
        case Happened::Combined:
            return move();
        case Happened::Solved:
            return move() + " solved/" + std::to_string(o.hints_used);
        case Happened::Wrong:
            return move() + " wrong";
        case Happened::Hinted:
            return "hint" + std::to_string(o.hints_used) + " " + o.hint;
        case Happened::Reset:
            return "reset";
        case Happened::Dealt:
            return "dealt";
    }
    return "?";
}

// Plays a script: a number picks a box that holds it (an unpicked one first), "@i" box i,
// "+ - x /" and "?" (no operator) choose, and "hint", "reset" and "deal" do what they say.
std::string Play(Board& board, const std::string& problem, int16_t target,
                 const std::string& script) {
    Random rng(7);
    const std::vector<std::string> list = {"", problem};
    board.Deal(target, list, 1, rng);
    std::istringstream in(script);
    std::string token, out;
    while (in >> token) {
        Outcome o;
        const std::string ops = "+-x/?";
        if (token == "hint") {
            o = board.Hint();
        } else if (token == "reset") {
            o = board.Reset();
        } else if (token == "deal") {
            o = board.Deal(target, list, 1, rng);
        } else if (token[0] == '@') {
            o = board.PickNumber(static_cast<int16_t>(std::stoi(token.substr(1))));
        } else if (token.size() == 1 && ops.find(token[0]) != std::string::npos) {
            o = board.ChooseOperator(static_cast<int16_t>(ops.find(token[0])));
        } else {
            const BoardValues& v = board.values();
            int16_t box = -1;
            for (int16_t i = 3; i >= 0; --i)
                if (v.Numbers[i] == std::stoi(token) && (box < 0 || !v.Picked[i])) box = i;
            o = board.PickNumber(box);
        }
        out += (out.empty() ? "" : ", ") + Show(o);
    }
    return out;
}

TEST(Board, MovesRefusalsHintsAndVerdicts) {
    const std::string p3462 = Problem(3462, "3x4", "6x2", "12+12");
    const std::string p0123 = Problem(123, "1+2", "3x3", "9/1");
    const std::string p7981 = Problem(7981, "7-1", "9x8", "6-0");
    const std::string none;
    struct Case {
        const std::string& problem;
        int16_t target;
        const char* script;
        const char* want;
    };
    const Case cases[] = {
        {p3462, 24, "3 x 4 6 x 2 12 + 12",
         "pick3, x, 3x4=12, pick6, x, 6x2=12, pick12, +, 12+12=24 solved/0"},
        {p3462, 24, "3 + 4 7 - 6 1 x 2", "pick3, +, 3+4=7, pick7, -, 7-6=1, pick1, x, 1x2=2 wrong"},
        {p7981, 24, "7 - 9 8 / 1 -2 x 8",
         "pick7, -, 7-9=-2, pick8, /, 8/1=8, pick-2, x, -2x8=-16 wrong"},
        // Every refusal leaves the move where it was; a refused division keeps its operator.
        {p3462, 24, "x 3 3 4 x + 3 x 4 -999",
         "no:number-expected, pick3, no:picked, no:op-expected, x, no:op-chosen, no:picked, "
         "no:op-chosen, 3x4=12, no:emptied"},
        {p0123, 6, "3 / 0 2 1 -999 0 x 2 @9 ? @-1",
         "pick3, /, no:div0, no:fraction, 3/1=3, no:emptied, pick0, x, 0x2=0, ignored, ignored, "
         "ignored"},
        {p3462, 0, "6 / 4 3 2 - 2 4 x 0",
         "pick6, /, no:fraction, 6/3=2, pick2, -, 2-2=0, pick4, x, 4x0=0 solved/0"},
        {p3462, 24, "3 x 4 reset 3 x 4 6 x 2 12 + 12",
         "pick3, x, 3x4=12, reset, pick3, x, 3x4=12, pick6, x, 6x2=12, pick12, +, 12+12=24 "
         "solved/0"},
        {none, 24, "@0 @3 + hint reset",
         "no:emptied, no:emptied, no:number-expected, ignored, reset"},
        // The hints: step 3, step 1, steps 1 and 2, and no further. Once a number is chosen the
        // word resets instead; a reset or a wrong answer keeps the hints taken, a deal clears them.
        {p3462, 24, "hint hint hint hint",
         "hint1 12+12, hint2 3x4, hint3 3x4 then 6x2, hint3 3x4 then 6x2"},
        {p0123, 6, "hint",
         "hint1 9\xC3\xB7"
         "1"},
        {p3462, 24, "hint 3 hint hint", "hint1 12+12, pick3, reset, hint2 3x4"},
        {p3462, 24, "hint hint 3 x 4 6 x 2 12 + 12",
         "hint1 12+12, hint2 3x4, pick3, x, 3x4=12, pick6, x, 6x2=12, pick12, +, 12+12=24 "
         "solved/2"},
        {p3462, 24, "hint 3 + 4 7 + 6 13 - 2 hint hint deal hint",
         "hint1 12+12, pick3, +, 3+4=7, pick7, +, 7+6=13, pick13, -, 13-2=11 wrong, reset, "
         "hint2 3x4, dealt, hint1 12+12"},
    };
    for (const Case& c : cases) {
        BoardValues values;
        Board board(values);
        EXPECT_EQ(Play(board, c.problem, c.target, c.script), c.want) << c.script;
    }
}

TEST(Deal, DrawsAProblemAndShufflesItsNumbers) {
    const std::vector<std::string> list = {"", Problem(1234, "1+2", "3x3", "9/1"),
                                           Problem(5678, "5+6", "7x8", "1-1"),
                                           Problem(9000, "9+0", "9x0", "0-0")};
    // Nothing to deal: no text, emptied boxes, and no random number taken.
    for (int16_t count : {0, -1, 4}) {
        Random rng(3), fresh(3);
        DealtProblem deal = DealProblem(list, count, rng);
        EXPECT_EQ(deal.problem_text, "");
        EXPECT_EQ(deal.numbers, (std::array<int16_t, 4>{kEmptied, kEmptied, kEmptied, kEmptied}));
        EXPECT_EQ(rng.Next(), fresh.Next()) << count;
    }
    // Every problem is drawn and every number reaches every box, about evenly.
    Random rng(11);
    std::map<std::string, int> problems;
    int places[4][10] = {};
    for (int n = 0; n < 3000; ++n) {
        DealtProblem deal = DealProblem(list, 3, rng);
        ++problems[deal.problem_text];
        std::array<int16_t, 4> sorted = deal.numbers;
        std::sort(sorted.begin(), sorted.end());
        std::string digits;
        for (int16_t d : sorted) digits += static_cast<char>('0' + d);
        EXPECT_TRUE(digits == "1234" || digits == "5678" || digits == "0009") << digits;
        for (int box = 0; box < 4; ++box) ++places[box][deal.numbers[box]];
    }
    EXPECT_EQ(problems.size(), 3u);
    for (const auto& [text, times] : problems) EXPECT_GT(times, 900) << text;
    EXPECT_EQ(problems.count(list[1].substr(0, 21) + "   9\xC3\xB7  1"), 1u);
    for (int box = 0; box < 4; ++box)
        for (int digit : {1, 8}) EXPECT_GT(places[box][digit], 200) << box << " " << digit;
}

}  // namespace
}  // namespace quorrel
