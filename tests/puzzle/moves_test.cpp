// The move engine: the arithmetic of a move, the clicks that make or refuse one, what each
// sound level says, and the click lock over a move's feedback.
#include <gtest/gtest.h>

#include <optional>

#include "puzzle/move_math.h"
#include "puzzle/play_table.h"
#include "state/convert.h"

namespace quorrel {
namespace {

using testing_support::PlayTable;
using Sounds = std::vector<std::string>;

TEST(MoveMath, CombinesOrRefuses) {
    struct Case {
        int16_t op, first, second;
        std::optional<int16_t> want;
    };
    const Case cases[] = {
        {kAdd, 12, 12, 24},
        {kSubtract, 7, 9, -2},
        {kMultiply, 3, 4, 12},
        {kMultiply, 81, 81, 6561},
        {kDivide, 8, 4, 2},
        {kDivide, 8, 3, std::nullopt},
        {kDivide, 0, 5, 0},
        {kDivide, -6, 3, -2},
        {kDivide, 5, 0, std::nullopt},
        {kDivide, 0, 0, std::nullopt},
        {kDivide, 6561, 81, 81},
        {kDivide, 6561, 80, std::nullopt},
        // Never dealt, but never wrapped either: too big for a box, or the emptied-box marker.
        {kMultiply, 200, 200, std::nullopt},
        {kSubtract, -32768, 1, std::nullopt},
        {kSubtract, 0, 999, std::nullopt},
        {kAdd, 1, 2, 3},
        {4, 1, 2, std::nullopt},
        {-1, 1, 2, std::nullopt},
    };
    for (const Case& c : cases) {
        float quotient = -1;
        EXPECT_EQ(CombineNumbers(c.op, c.first, c.second, quotient), c.want)
            << c.first << " op" << c.op << " " << c.second;
    }
    float quotient = 0;
    CombineNumbers(kDivide, 8, 3, quotient);
    EXPECT_FLOAT_EQ(quotient, 8.0f / 3.0f) << "the refused quotient is kept";
}

TEST(Moves, ThreeMovesReachTheTarget) {
    PlayTable t(1);
    t.Deal({3, 4, 6, 2}, 24);
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    EXPECT_EQ(t.Digits(), "_ 12 6 2 ");
    EXPECT_EQ(t.gs().Numbers, (std::array<int16_t, 4>{kEmptied, 12, 6, 2}));
    EXPECT_EQ(t.gs().NumbersLeft, 3);
    EXPECT_TRUE(t.el(Name::Op, 2).visible);
    EXPECT_FALSE(t.el(Name::Op, 6).visible);
    EXPECT_EQ(t.el(Name::Digit, 1).fore, colour::kBlack);
    t.Clicks({"Dig(2)", "Op(2)", "Dig(3)"});
    EXPECT_EQ(t.Digits(), "_ 12 _ 12 ");
    t.Clicks({"Digit(1)", "Op(0)", "Digit(3)"});
    EXPECT_EQ(t.gs().Stats[0], 1) << "correct";
    EXPECT_EQ(t.gs().NumbersLeft, 4) << "and a new puzzle dealt";
}

TEST(Moves, NegativeResultsShowTheirSign) {
    PlayTable t(1);
    t.Deal({7, 9, 1, 1}, 24);
    t.Clicks({"Digit(0)", "Op(1)", "Digit(1)"});
    EXPECT_EQ(t.el(Name::Digit, 1).caption, "-2");
    EXPECT_EQ(t.gs().Numbers[1], -2);
}

TEST(Moves, FirstNumberTurnsRedAndTheWordReadsReset) {
    PlayTable t(1);
    t.Deal({3, 4, 6, 2}, 24);
    t.el(Name::HintL).fore = colour::kYellow;  // a hint on screen
    t.Run("click Digit(2)");
    EXPECT_EQ(t.el(Name::Digit, 2).fore, colour::kRed);
    EXPECT_EQ(t.gs().Picked[2], kTrue);
    EXPECT_EQ(t.gs().MoveState, 1);
    EXPECT_EQ(t.gs().FirstValue, 6);
    EXPECT_EQ(t.gs().FirstIndex, 2);
    EXPECT_EQ(t.el(Name::But, 3).caption, "Reset");
    EXPECT_FALSE(t.el(Name::HintL).visible);
    EXPECT_FALSE(t.calc().TimerEnabled(TimerId::TileBoy));
    t.Run("click Op(2)");
    EXPECT_EQ(t.gs().MoveState, 2);
    EXPECT_FALSE(t.el(Name::Op, 2).visible);
    EXPECT_TRUE(t.el(Name::Op, 6).visible);
}

// Each click is refused with "Aah"; the board and the move stay as they were.
TEST(Moves, OutOfOrderClicksAreRefused) {
    struct Case {
        const char* label;
        std::vector<const char*> before;
        const char* click;
    };
    const Case cases[] = {
        {"operator before a first number", {}, "Op(0)"},
        {"the red first number again", {"Digit(0)"}, "Digit(0)"},
        {"a number while an operator is expected", {"Digit(0)"}, "Digit(1)"},
        {"a second operator", {"Digit(0)", "Op(2)"}, "Op(3)"},
        {"the highlighted circle itself", {"Digit(0)", "Op(2)"}, "Op(6)"},
        {"the first number as the second", {"Digit(0)", "Op(2)"}, "Digit(0)"},
        {"a fractional quotient", {"Digit(0)", "Op(3)"}, "Digit(2)"},
        {"a division by zero", {"Digit(0)", "Op(3)"}, "Digit(3)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        PlayTable t(1);
        t.Deal({8, 4, 3, 0}, 24);
        for (const char* name : c.before) t.Run(std::string("click ") + name);
        t.Events();
        GameState before = t.gs();
        std::string digits = t.Digits();
        t.Run(std::string("click ") + c.click);
        EXPECT_EQ(t.Sounds(), Sounds{"Aah"});
        EXPECT_EQ(t.gs().MoveState, before.MoveState);
        EXPECT_EQ(t.gs().Numbers, before.Numbers);
        EXPECT_EQ(t.gs().Picked, before.Picked);
        EXPECT_EQ(t.gs().NumbersLeft, before.NumbersLeft);
        EXPECT_EQ(t.Digits(), digits);
    }
}

TEST(Moves, RefusedQuotientKeepsTheOperatorForAnotherTry) {
    PlayTable t(1);
    t.Deal({8, 3, 4, 1}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(3)");
    t.Run("click Digit(1)");
    EXPECT_TRUE(t.el(Name::Op, 7).visible);
    EXPECT_EQ(t.gs().MoveState, 2);
    t.Clicks({"Digit(2)"});
    EXPECT_EQ(t.Digits(), "_ 3 2 1 ");
    EXPECT_TRUE(t.el(Name::Op, 3).visible);
    EXPECT_FALSE(t.el(Name::Op, 7).visible);
}

TEST(Moves, AnEmptiedBoxIsRefused) {
    PlayTable t(1);
    t.Deal({3, 4, 6, 2}, 24);
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Events();
    t.calc().Digit_Click(0);  // hidden on screen, so only a direct call can reach it
    EXPECT_EQ(t.Sounds(), Sounds{"Aah"});
    EXPECT_EQ(t.gs().MoveState, 0);
}

// Sounds off: "No" stands in the centre for one second, slept through without a spin.
TEST(Moves, SilentRefusalShowsNoForOneSecond) {
    struct SleepSpy : HeadlessPlatform {
        using HeadlessPlatform::HeadlessPlatform;
        void Sleep(int ms) override {
            seen.push_back(centre ? centre->caption : "?");
            HeadlessPlatform::Sleep(ms);
        }
        const Element* centre = nullptr;
        std::vector<std::string> seen;
    };
    testing_support::TempFolder data;
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data.path();
    SleepSpy platform(options);
    Calc calc(platform, 3);
    calc.Start();
    calc.gs.SoundLevel = 0;
    platform.TakeEvents();
    platform.centre = &calc.el(Name::Cent);
    uint64_t start = platform.NowMs();
    calc.Op_Click(1);
    EXPECT_EQ(platform.NowMs() - start, 1000u);
    ASSERT_FALSE(platform.seen.empty());
    EXPECT_LE(platform.seen.size(), 3u);
    for (const std::string& caption : platform.seen) EXPECT_EQ(caption, "No");
    EXPECT_EQ(calc.el(Name::Cent).caption, "24");
    EXPECT_TRUE(platform.TakeEvents().empty()) << "no sound, no title";
}

TEST(Moves, WhatEachLevelSays) {
    struct Case {
        int16_t level;
        std::array<int16_t, 4> board;
        int16_t op;
        Sounds first, op_sound, second;
    };
    const Case cases[] = {
        {2, {6, 6, 1, 1}, 2, {"6"}, {"Times"}, {"6", "equals", "36"}},
        {2, {8, 9, 1, 1}, 0, {"8"}, {"Plus"}, {"9", "equals", "17"}},
        {2, {9, 7, 1, 1}, 2, {"9"}, {"Times"}, {"7", "equals", "60", "3"}},
        {2, {81, 81, 1, 1}, 2, {"80", "1"}, {"Times"}, {"80", "1", "equals"}},
        {2, {-2, 5, 1, 1}, 1, {"Minus", "2"}, {"Minus"}, {"5", "equals", "Minus", "7"}},
        {2, {8, 4, 1, 1}, 3, {"8"}, {"Divide"}, {"4", "equals", "2"}},
        {2, {6, 8, 1, 1}, 2, {"6"}, {"Times"}, {"8", "equals", "48"}},
        {1, {6, 6, 1, 1}, 2, {"Click1"}, {"Click2"}, {"Click1"}},
        {0, {6, 6, 1, 1}, 2, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << ": " << c.board[0] << " op"
                                        << c.op << " " << c.board[1]);
        PlayTable t(c.level);
        t.Deal(c.board, 24);
        t.Run("click Digit(0)");
        EXPECT_EQ(t.Sounds(), c.first);
        t.Run("click Op(" + std::to_string(c.op) + ")");
        EXPECT_EQ(t.Sounds(), c.op_sound);
        t.Run("click Digit(1)");
        EXPECT_EQ(t.Sounds(), c.second);
    }
}

TEST(Moves, ClickLockCoversTheFeedbackOnly) {
    PlayTable t(1);
    t.Deal({3, 4, 6, 2}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(2)");
    t.Run("click Digit(1)");
    EXPECT_EQ(t.gs().ClickLock, kTrue);
    EXPECT_TRUE(t.calc().TimerEnabled(TimerId::KlikOff));
    t.Events();
    t.Run("click Digit(2)");
    t.Run("click Op(0)");
    EXPECT_TRUE(t.Sounds().empty()) << "ignored without a sound";
    EXPECT_EQ(t.gs().MoveState, 0);
    // The 300 ms count from the moment the lock was set, before the feedback sound.
    uint64_t due = t.calc().timers.Get(TimerId::KlikOff).due;
    t.Run("wait " + std::to_string(due - t.Now() - 1));
    EXPECT_EQ(t.gs().ClickLock, kTrue);
    t.Run("wait 1");
    EXPECT_EQ(t.gs().ClickLock, kFalse);
    EXPECT_FALSE(t.calc().TimerEnabled(TimerId::KlikOff));
    t.Run("click Digit(2)");
    EXPECT_EQ(t.gs().MoveState, 1);
}

TEST(Moves, SilentMovesSetNoLock) {
    PlayTable t(0);
    t.Deal({3, 4, 6, 2}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(2)");
    t.Run("click Digit(1)");
    EXPECT_EQ(t.gs().ClickLock, kFalse);
    EXPECT_FALSE(t.calc().TimerEnabled(TimerId::KlikOff));
}

// Clicks made while the feedback plays wait in the queue and reach the game inside the move;
// none of the number and operator clicks may act on the board.
TEST(Moves, ClicksQueuedDuringTheFeedbackAreIgnored) {
    PlayTable t(2);
    t.Deal({3, 4, 6, 2}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(2)");
    t.Events();
    t.Run("queue click Digit(1)");
    t.Run("queue click Digit(2)");
    t.Run("queue click Op(0)");
    t.Run("wait 0");
    EXPECT_EQ(t.Sounds(), (Sounds{"4", "equals", "12"}));
    EXPECT_EQ(t.Digits(), "_ 12 6 2 ");
    EXPECT_EQ(t.gs().MoveState, 0);
    EXPECT_EQ(t.gs().Picked, (std::array<int16_t, 4>{kTrue, 0, 0, 0}));
    EXPECT_EQ(t.gs().NumbersLeft, 3);
    EXPECT_EQ(t.el(Name::Digit, 2).fore, colour::kBlack);
    EXPECT_EQ(t.gs().HintsUsed, 0);
    EXPECT_EQ(t.el(Name::But, 3).caption, "Reset");
    EXPECT_EQ(t.gs().ClickLock, kFalse) << "the tick came after the queued clicks";
}

// A deal that slips in while the feedback lets events run (here a target chosen on the setup
// panel) voids the move instead of counting it against the new board.
TEST(Moves, ADealDuringTheFeedbackVoidsTheMove) {
    PlayTable t(1);
    t.Deal({3, 4, 6, 2}, 24);
    t.Run("click Digit(0)");
    t.Run("click Op(2)");
    t.el(Name::SelFloat).visible = true;
    t.Run("queue click Digit(1)");
    t.Run("queue click Target(7)");
    t.Run("wait 300");
    EXPECT_EQ(t.gs().TargetValue, 36);
    EXPECT_EQ(t.gs().NumbersLeft, 4);
    EXPECT_EQ(t.gs().MoveState, 0);
    EXPECT_EQ(t.gs().ClickLock, kFalse) << "the lock still runs out";
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(t.el(Name::Dig, i).visible) << i;
    EXPECT_EQ(t.gs().Stats, (std::array<int32_t, 5>{})) << "no answer counted";
}

}  // namespace
}  // namespace quorrel
