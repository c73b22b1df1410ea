// The hint word: steps of the stored solution, the order they come in, and "Reset".
#include "puzzle/hints.h"

#include <gtest/gtest.h>

#include "puzzle/play_table.h"
#include "state/convert.h"

namespace quorrel {
namespace {

using testing_support::kSevenTimesThree;
using testing_support::PlayTable;

const std::string kDivided = std::string(" 2389  18") + kDivisionSign + "  3   6x  4  24+  0";

TEST(HintText, StepsWithoutTheirBlanks) {
    struct Case {
        std::string text;
        int step;
        std::string want;
    };
    const Case cases[] = {
        {kSevenTimesThree, 1, "1+6"},
        {kSevenTimesThree, 2, "7x3"},
        {kSevenTimesThree, 3, "21+3"},
        {" 1212  12x 12  12+ 12   0+ 24", 1, "12x12"},
        {kDivided, 1, std::string("18") + kDivisionSign + "3"},
        // The first character of a step is never shown, whatever it holds.
        {" 99991234+  5  99+ 999999x 99", 1, "234+5"},
        {" 99991234+  5  99+ 999999x 99", 3, "999x99"},
        // Short or empty texts give what they hold, and never fail.
        {"", 1, ""},
        {" 1367", 1, ""},
        {" 1367 ", 1, ""},
        {" 1367   1+", 1, "1+"},
        {" 1367   1+  6   7", 2, "7"},
        {" 1367   1+  6   7", 3, ""},
        {kSevenTimesThree, 0, ""},
        {kSevenTimesThree, 4, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintStepText(c.text, c.step), c.want) << '"' << c.text << "\" step " << c.step;
}

TEST(HintText, CaptionsByHintsTaken) {
    struct Case {
        std::string text;
        int16_t hints;
        std::string want;
    };
    const Case cases[] = {
        {kSevenTimesThree, 1, "21+3"},
        {kSevenTimesThree, 2, "1+6"},
        {kSevenTimesThree, 3, "1+6 then 7x3"},
        {" 3462   3x  4   6x  2  12+ 12", 3, "3x4 then 6x2"},
        {kDivided, 3, std::string("18") + kDivisionSign + "3 then 6x4"},
        {"", 1, ""},
        {"", 3, " then "},
    };
    for (const Case& c : cases) EXPECT_EQ(HintCaption(c.text, c.hints), c.want) << c.hints;
}

TEST(HintWord, EachPressShowsTheNextHint) {
    PlayTable t(1);
    t.Deal({1, 6, 3, 3}, 24);
    const char* want[] = {"21+3", "1+6", "1+6 then 7x3", "1+6 then 7x3"};
    for (int press = 0; press < 4; ++press) {
        SCOPED_TRACE(press + 1);
        t.Run("click But(3)");
        const Element& hint = t.el(Name::HintL);
        EXPECT_TRUE(hint.visible);
        EXPECT_EQ(hint.fore, colour::kYellow);
        EXPECT_EQ(hint.caption, want[press]);
        EXPECT_EQ(t.gs().HintsUsed, std::min(press + 1, 3));
        EXPECT_EQ(t.el(Name::But, 3).caption, "Hint");
    }
    EXPECT_EQ(t.Digits(), "1 6 3 3 ") << "hints move nothing";
}

TEST(HintWord, ResetLaysOutTheDealtNumbersAndKeepsTheHints) {
    PlayTable t(1);
    t.Deal({1, 6, 3, 3}, 24);
    t.calc().HintWord();
    t.Clicks({"Digit(0)", "Op(0)", "Digit(1)"});
    t.Run("click Digit(1)");
    EXPECT_FALSE(t.el(Name::HintL).visible) << "hidden once a move begins";
    EXPECT_EQ(t.el(Name::But, 3).caption, "Reset");
    t.calc().HintWord();
    EXPECT_EQ(t.Digits(), "1 6 3 3 ");
    EXPECT_EQ(t.gs().MoveState, 0);
    EXPECT_EQ(t.gs().NumbersLeft, 4);
    EXPECT_EQ(t.gs().HintsUsed, 1);
    EXPECT_EQ(t.el(Name::But, 3).caption, "Hint");
    EXPECT_FALSE(t.el(Name::HintL).visible) << "seeing it again takes another press";
    t.calc().HintWord();
    EXPECT_EQ(t.gs().HintsUsed, 2);
    EXPECT_EQ(t.el(Name::HintL).caption, "1+6");
}

TEST(HintWord, AWrongAnswerKeepsTheHintsTaken) {
    PlayTable t(1);
    t.Deal({1, 6, 3, 3}, 24);
    t.calc().HintWord();
    t.Clicks({"Digit(0)", "Op(0)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(0)", "Digit(3)"});
    t.Clicks({"Digit(1)", "Op(0)", "Digit(3)"});  // 7 + 6 = 13
    EXPECT_EQ(t.gs().Stats[4], 1);
    EXPECT_EQ(t.Digits(), "1 6 3 3 ");
    t.calc().HintWord();
    EXPECT_EQ(t.gs().HintsUsed, 2);
    EXPECT_EQ(t.el(Name::HintL).caption, "1+6");
}

TEST(HintWord, HintCountsForTheSolvedPuzzle) {
    PlayTable t(1);
    t.Deal({1, 6, 3, 3}, 24);
    t.calc().HintWord();
    t.calc().HintWord();
    t.Clicks({"Digit(0)", "Op(0)", "Digit(1)"});  // 7
    t.Clicks({"Digit(1)", "Op(2)", "Digit(2)"});  // 21
    t.Clicks({"Digit(2)", "Op(0)", "Digit(3)"});  // 24
    EXPECT_EQ(t.gs().Stats, (std::array<int32_t, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(t.gs().HintsUsed, 0) << "the next puzzle starts afresh";
}

TEST(HintWord, AHalfMadeMoveIsUndoneFirst) {
    PlayTable t(1);
    t.Deal({1, 6, 3, 3}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(0)");
    t.el(Name::But, 3).caption = "Hint";  // only a stray event can leave the word so
    t.calc().HintWord();
    EXPECT_EQ(t.gs().MoveState, 0);
    EXPECT_EQ(t.gs().Picked, (std::array<int16_t, 4>{}));
    EXPECT_TRUE(t.el(Name::Op, 0).visible);
    EXPECT_EQ(t.el(Name::HintL).caption, "21+3");
}

TEST(HintWord, NothingDealtNothingHinted) {
    PlayTable t(1);
    t.gs().ProblemText.clear();
    t.gs().DealtNumbers.fill(kEmptied);
    t.calc().SetUpPuzzle(kFalse);
    for (int press = 0; press < 4; ++press) t.calc().HintWord();
    EXPECT_EQ(t.gs().HintsUsed, 0);
    EXPECT_EQ(t.el(Name::HintL).caption, "");
    EXPECT_EQ(t.el(Name::HintL).fore, colour::kBlack);
    EXPECT_EQ(t.gs().NumbersLeft, 0);

    // A text cut short shows what it holds.
    t.gs().ProblemText = " 1367   1+  6";
    for (int press = 0; press < 3; ++press) t.calc().HintWord();
    EXPECT_EQ(t.el(Name::HintL).caption, "1+6 then ");
}

}  // namespace
}  // namespace quorrel
