// The end of a puzzle: a correct answer counts, maybe draws the reward and deals anew; a wrong
// one counts and lays the same puzzle out again; the board wait and a close that cuts in.
#include "puzzle/answer.h"

#include <gtest/gtest.h>

#include "puzzle/move_math.h"
#include "puzzle/play_table.h"

namespace quorrel {
namespace {

using testing_support::PlayTable;
using Sounds = std::vector<std::string>;

// 3 x 4, 6 x 2, 12 + 12 on the board 3, 4, 6, 2: 24, or 0 with a minus at the end.
void Solve(PlayTable& t, const char* last_op = "Op(0)") {
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    for (const char* name : {"Digit(1)", last_op, "Digit(3)"}) t.Run(std::string("click ") + name);
}

TEST(AnswerMath, RewardDecisionByHintsAndSolvedCount) {
    // The last solved count that still earns a figure, per number of hints; 0 hints always.
    const int32_t last_rewarded[4] = {1000000, 10, 6, 2};
    for (int16_t hints = 0; hints <= 3; ++hints)
        for (int32_t solved = 1; solved <= 12; ++solved)
            EXPECT_EQ(RewardDue(hints, solved), solved <= last_rewarded[hints])
                << hints << " hints, solved " << solved;
}

TEST(AnswerMath, RewardFigureFromTheDealtNumbers) {
    struct Case {
        std::array<int16_t, 4> dealt;
        int16_t order, angle, left_turns;
    };
    for (const Case& c : {Case{{5, 2, 4, 3}, 15, 36, 3}, Case{{0, 0, 0, 0}, 4, 0, 0},
                          Case{{9, 9, 9, 9}, 40, 81, 9}, Case{{-999, -999, 1, 2}, -3992, 9, 2}}) {
        RewardFigure f = RewardFigureFor(c.dealt);
        EXPECT_EQ(f.order, c.order);
        EXPECT_EQ(f.angle, c.angle);
        EXPECT_EQ(f.left_turns, c.left_turns);
    }
}

TEST(Answers, CorrectAnswerAtEachLevel) {
    struct Case {
        int16_t level;
        Sounds tail;  // the last sounds of the answer
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {0, {}, {"title \"OK\""}},
        {1, {"Click1", "Good4"}, {}},
        {2, {"12", "equals", "24", "Good?"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        PlayTable t(c.level);
        t.Deal({3, 4, 6, 2}, 24);
        t.gs().HintsUsed = 1;
        t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
        t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
        t.Events();
        uint64_t start = t.Now();
        t.Clicks({"Digit(1)", "Op(0)", "Digit(3)"});
        std::vector<std::string> titles;
        Sounds sounds;
        for (const std::string& e : t.Events())
            (e.rfind("title", 0) == 0 ? titles : sounds).push_back(e);
        EXPECT_EQ(titles, c.titles);
        ASSERT_GE(sounds.size(), c.tail.size());
        Sounds tail(sounds.end() - static_cast<long>(c.tail.size()), sounds.end());
        for (size_t i = 0; i < tail.size(); ++i) {
            std::string want = "sound " + c.tail[i];
            if (want.back() == '?' && tail[i].size() == want.size() && tail[i].back() >= '0' &&
                tail[i].back() <= '4')
                want.back() = tail[i].back();
            EXPECT_EQ(tail[i], want);
        }
        if (c.level == 0) {
            EXPECT_EQ(t.Now() - start, 300u) << "no wait with the board up";
        }
        EXPECT_EQ(t.gs().Stats, (std::array<int32_t, 5>{0, 1, 0, 0, 0}));
        EXPECT_EQ(t.gs().SolvedCount, 1);
        EXPECT_EQ(t.gs().HintsUsed, 0) << "a new puzzle";
        EXPECT_EQ(t.gs().NumbersLeft, 4);
        EXPECT_TRUE(t.el(Name::Floater).visible);
        EXPECT_EQ(t.gs().RewardShown, kFalse);
    }
}

TEST(Answers, WrongAnswerLaysOutTheSamePuzzleAgain) {
    struct Case {
        int16_t level;
        std::string feedback;
    };
    for (const Case& c : {Case{0, "title \"No\""}, Case{1, "sound Bad4"}, Case{2, "sound Bad?"}}) {
        SCOPED_TRACE(c.level);
        PlayTable t(c.level, kTrue);
        t.Deal({3, 4, 6, 2}, 24);
        t.Run("dblclick Cent");
        const std::string score = t.el(Name::ScoreB).caption;
        t.gs().HintsUsed = 2;
        Solve(t, "Op(1)");
        std::vector<std::string> events = t.Events();
        ASSERT_FALSE(events.empty());
        std::string last = events.back();
        if (c.feedback.back() == '?') last.back() = '?';
        EXPECT_EQ(last, c.feedback);
        EXPECT_EQ(t.Digits(), "3 4 6 2 ");
        EXPECT_EQ(t.gs().Stats, (std::array<int32_t, 5>{0, 0, 0, 0, 1}));
        EXPECT_EQ(t.gs().HintsUsed, 2);
        EXPECT_EQ(t.gs().NumbersLeft, 4);
        EXPECT_EQ(t.gs().RewardShown, kFalse) << "no reward for a wrong answer";
        EXPECT_EQ(t.el(Name::ScoreB).caption, score) << "not refreshed by a wrong answer";
    }
}

TEST(Answers, RewardDrawnByHintsAndSolvedCount) {
    struct Case {
        int16_t hints;
        int32_t solved_before;
        bool drawn;
    };
    const Case cases[] = {{0, 0, true}, {0, 500, true}, {1, 9, true}, {1, 10, false},
                          {2, 5, true}, {2, 6, false},  {3, 1, true}, {3, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hints << " hints, " << c.solved_before << " solved before");
        PlayTable t(2, kTrue);
        t.Deal({3, 4, 6, 2}, 24);
        t.gs().HintsUsed = c.hints;
        t.gs().SolvedCount = c.solved_before;
        t.gs().LineThickness = 2;
        t.Run("lines");
        Solve(t);
        std::vector<std::string> lines = t.Run("lines");
        size_t drawn = std::count_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.rfind("line ", 0) == 0; });
        EXPECT_EQ(drawn > 0, c.drawn);
        EXPECT_EQ(t.gs().RewardShown != 0, c.drawn);
        EXPECT_EQ(t.gs().LineThickness, c.drawn ? 0 : 2);
        EXPECT_TRUE(t.el(Name::Floater).visible) << "the board is back with the next puzzle";
        EXPECT_EQ(t.gs().NumbersLeft, 4);
        if (c.drawn) {
            float since = t.calc().Clock() - t.gs().board.wait_mark;
            EXPECT_GE(since, 2.0f) << "two seconds after the drawing";
            EXPECT_LT(since, 2.05f);
        }
    }
}

TEST(Answers, SilentRewardWaitsBeforeTheDeal) {
    PlayTable t(0, kTrue);
    t.Deal({3, 4, 6, 2}, 24);
    Solve(t);
    EXPECT_EQ(t.gs().RewardShown, kTrue);
    EXPECT_TRUE(t.el(Name::Floater).visible);
    EXPECT_EQ(t.gs().NumbersLeft, 4);
    float since = t.calc().Clock() - t.gs().board.wait_mark;
    EXPECT_GE(since, 2.0f);
    EXPECT_LT(since, 2.05f);
}

TEST(Answers, FirstSolvedPuzzleTakesTheInstructionsAway) {
    for (int16_t reward : {kFalse, kTrue}) {
        SCOPED_TRACE(reward);
        PlayTable t(1, reward);
        t.Deal({3, 4, 6, 2}, 24);
        t.el(Name::Hellf).visible = true;
        Solve(t);
        EXPECT_FALSE(t.el(Name::Hellf).visible);
        EXPECT_EQ(t.calc().TimerEnabled(TimerId::TileBoy), !reward)
            << "without a figure the background goes back to its repaints";
    }
}

TEST(Answers, CloseDuringTheFeedbackEndsTheMove) {
    PlayTable t(2, kTrue);
    t.Deal({3, 4, 6, 2}, 24);
    const std::string text = t.gs().ProblemText;
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    t.Run("click Digit(1)");
    t.Run("click Op(0)");
    t.Events();
    t.Run("queue click Digit(3)");
    t.driver->platform().Queue({InputEvent::Type::Close});
    t.Run("wait 0");
    EXPECT_TRUE(t.calc().loop.Unloaded());
    EXPECT_EQ(t.Events(), (std::vector<std::string>{"unload"})) << "nothing said, nothing dealt";
    EXPECT_EQ(t.gs().ProblemText, text);
}

TEST(Answers, CloseDuringTheRewardDrawingDealsNothing) {
    PlayTable t(0, kTrue);
    t.Deal({3, 4, 6, 2}, 24);
    const std::string text = t.gs().ProblemText;
    t.Clicks({"Digit(0)", "Op(2)", "Digit(1)"});
    t.Clicks({"Digit(2)", "Op(2)", "Digit(3)"});
    t.Run("click Digit(1)");
    t.Run("click Op(0)");
    t.Events();
    uint64_t start = t.Now();
    t.Run("queue click Digit(3)");
    t.driver->platform().Queue({InputEvent::Type::Close});
    t.Run("wait 0");
    EXPECT_TRUE(t.calc().loop.Unloaded());
    EXPECT_EQ(t.gs().Stats[0], 1);
    EXPECT_EQ(t.gs().ProblemText, text) << "no deal after the close";
    EXPECT_FALSE(t.el(Name::Floater).visible);
    EXPECT_LT(t.Now() - start, 2000u) << "no board wait either";
}

TEST(BoardWait, LastsTwoSecondsUnlessTheBoardShowsOrTheWindowCloses) {
    struct Case {
        const char* label;
        bool board_up;
        bool close_at_500;
        uint64_t want_ms;
    };
    const Case cases[] = {
        {"board up: one round of events", true, false, 0},
        {"board hidden", false, false, 2000},
        {"board hidden, a close comes in", false, true, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        PlayTable t(1);
        t.el(Name::Floater).visible = c.board_up;
        t.calc().DisableTimer(TimerId::TileBoy);
        if (c.close_at_500) t.calc().EnableTimer(TimerId::LastUp);
        t.gs().board.wait_mark = t.calc().Clock();
        uint64_t start = t.Now();
        BoardWait(t.calc());
        EXPECT_EQ(t.Now() - start, c.want_ms);
        EXPECT_EQ(t.calc().loop.Closing(), c.close_at_500);
        if (c.board_up) {
            EXPECT_FLOAT_EQ(t.gs().board.wait_mark, t.calc().Clock() + 5);
        }
    }
}

}  // namespace
}  // namespace quorrel
