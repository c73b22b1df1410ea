// The menu words and the background click: which screen each opens, what they start, and the
// refusal of every word while a maker value is typed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "menus/menu_game.h"
#include "menus/menus.h"

namespace quorrel {
namespace {

using menu_testing::MenuGame;
using menu_testing::ShownPanels;

// "But(1) But(8) Form" -> click each in turn.
void Play(MenuGame& game, const std::string& clicks) {
    std::istringstream in(clicks);
    for (std::string target; in >> target;) game.Run("click " + target);
}

TEST(MenuWords, ScreensTakeTurns) {
    struct Case {
        const char* clicks;
        const char* shown;
        const char* play_word;  // the caption of But(5) afterwards
        int16_t maker_mode;
    };
    const Case cases[] = {
        {"", "Floater", "Play ", 0},
        {"But(1)", "Helper", "Play ", 0},
        {"But(1) But(5)", "Floater", "Play ", 0},
        {"But(1) Form", "Floater", "Play ", 0},
        {"But(1) But(8)", "Helper About", "OK", 0},
        {"But(1) But(8) But(5)", "Helper", "Play", 0},
        {"But(1) But(8) But(5) But(5)", "Floater", "Play", 0},
        {"But(1) But(8) Form", "Floater", "Play", 0},
        {"But(1) But(8) Form But(1)", "Helper", "Play", 0},
        {"But(1) But(16)", "SelFloat", "Play ", 0},
        {"But(1) But(16) But(2)", "Floater", "Play ", 0},
        {"But(1) But(16) Form", "Floater", "Play ", 0},
        {"But(1) But(7)", "Hist", "Play ", 0},
        {"But(1) But(7) But(20)", "Floater", "Play ", 0},
        // The background brings the board back but leaves the statistics where they are.
        {"But(1) But(7) Form", "Floater Hist", "Play ", 0},
        {"But(1) But(6)", "RestoreHint", "Play ", -1},
        {"But(1) But(6) Form", "Spirom RestoreHint", "Play ", -1},
        {"But(1) But(6) OKBut", "", "Play ", -1},
        {"But(1) But(6) OKBut Form", "Spirom", "Play ", -1},
        {"But(1) But(6) OKBut Form But(9)", "Floater", "Play ", 0},
        {"But(1) But(6) OKBut Form But(9) Form", "Floater", "Play ", 0},
        {"But(0)", "First", "Play ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicks);
        MenuGame game;
        game.ToBoard();
        Play(game, c.clicks);
        EXPECT_EQ(ShownPanels(game), c.shown);
        EXPECT_EQ(game.Caption(Name::But, 5), c.play_word);
        EXPECT_EQ(game.gs().MakerMode, c.maker_mode);
        // Whatever opened stands on the board's spot.
        const Element& board = game.el(Name::Floater);
        for (Name panel :
             {Name::Helper, Name::SelFloat, Name::Hist, Name::Spirom, Name::RestoreHint}) {
            if (!game.Visible(panel)) continue;
            EXPECT_EQ(game.el(panel).left, board.left) << NameText(panel);
            EXPECT_EQ(game.el(panel).top, board.top) << NameText(panel);
        }
    }
}

TEST(MenuWords, WhileAValueIsTypedEveryWordOnlyBeeps) {
    MenuGame game;
    game.ToMaker();
    game.Run("click Form");
    game.Run("click But(12)");
    game.Run("click CalBut(7)");
    game.Forget();
    game.calc().EnableTimer(TimerId::TileBoy);
    const std::string shown = ShownPanels(game);
    for (int16_t index = -1; index <= 21; ++index) {
        SCOPED_TRACE(index);
        But_Click(game.calc(), index);
        EXPECT_EQ(game.Events(), std::vector<std::string>{"beep"});
        EXPECT_EQ(ShownPanels(game), shown);
        EXPECT_TRUE(game.gs().KeypadOpen);
        EXPECT_EQ(game.gs().EditIndex, 1);
        EXPECT_EQ(game.Caption(Name::LMOrder, 1), "7");
        EXPECT_EQ(game.gs().LineThickness, 0);
        EXPECT_EQ(game.gs().MakerMode, kTrue);
        EXPECT_TRUE(game.calc().TimerEnabled(TimerId::TileBoy));
        EXPECT_TRUE(game.Lines().empty());
    }
}

TEST(MenuWords, HelpWordsOpenTheirTopicAndKeepTheBackgroundFresh) {
    struct Case {
        const char* setup;
        int16_t word;
        const char* event;
    };
    const Case cases[] = {
        {"", 4, "help 1000"},
        {"But(1) But(16)", 17, "help 1001"},
        {"But(1) But(6) OKBut Form", 15, "help 1002"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        MenuGame game;
        game.ToBoard();
        Play(game, c.setup);
        game.Forget();
        const std::string shown = ShownPanels(game);
        game.Run("click But(" + std::to_string(c.word) + ")");
        EXPECT_EQ(game.Events(), std::vector<std::string>{c.event});
        EXPECT_EQ(ShownPanels(game), shown);
        EXPECT_TRUE(game.calc().TimerEnabled(TimerId::TileBoy));
        EXPECT_EQ(game.gs().HelpFile, std::string(QUORREL_SOURCE_DIR) + "/help/");
        EXPECT_TRUE(std::filesystem::is_regular_file(game.gs().HelpFile + "topic-" +
                                                     std::string(c.event + 5) + ".html"));
    }
}

TEST(MenuWords, UnusedIndicesOnlyStopTheBackgroundTimer) {
    MenuGame game;
    game.ToBoard();
    for (int16_t index : {18, 19, 21, 300, -1, -32768}) {
        SCOPED_TRACE(index);
        game.calc().EnableTimer(TimerId::TileBoy);
        But_Click(game.calc(), index);
        EXPECT_FALSE(game.calc().TimerEnabled(TimerId::TileBoy));
        EXPECT_EQ(ShownPanels(game), "Floater");
        EXPECT_TRUE(game.Events().empty());
    }
}

TEST(MenuWords, MenuTakesTheInstructionsAwayOnce) {
    MenuGame game;
    game.ToBoard();
    ASSERT_TRUE(game.Visible(Name::Hellf));
    game.Run("click But(1)");
    EXPECT_FALSE(game.Visible(Name::Hellf));
    // The strip's place gets its tile back.
    EXPECT_TRUE(game.calc().TimerEnabled(TimerId::TileBoy));
    game.Run("click But(5)");
    EXPECT_FALSE(game.calc().TimerEnabled(TimerId::TileBoy));
    game.Run("click But(1)");
    EXPECT_FALSE(game.calc().TimerEnabled(TimerId::TileBoy));
}

TEST(MenuWords, PlayOnSetupWithEveryGroupOffTurnsTheFirstOnAndDeals) {
    MenuGame game;
    game.ToBoard();
    game.Run("click But(1)");
    game.Run("click But(16)");
    for (int i = 0; i < 3; ++i)
        if (game.gs().OperatorSetOn[i]) game.Run("click Diff(" + std::to_string(i) + ")");
    ASSERT_EQ(game.gs().OperatorSetOn, (std::array<int16_t, 3>{0, 0, 0}));
    ASSERT_EQ(game.gs().ProblemCount, 0);
    game.Run("click But(2)");
    EXPECT_EQ(game.gs().OperatorSetOn, (std::array<int16_t, 3>{-1, 0, 0}));
    EXPECT_GT(game.gs().ProblemCount, 0);
    EXPECT_FALSE(game.gs().ProblemText.empty());
    EXPECT_EQ(game.el(Name::Diff, 0).fore, colour::kBlack);
    EXPECT_EQ(ShownPanels(game), "Floater");

    // With a group on, Play leaves the choice alone.
    game.Run("click But(1)");
    game.Run("click But(16)");
    game.Run("click Diff(2)");
    int16_t problems = game.gs().ProblemCount;
    game.Run("click But(2)");
    EXPECT_EQ(game.gs().OperatorSetOn, (std::array<int16_t, 3>{-1, 0, -1}));
    EXPECT_EQ(game.gs().ProblemCount, problems);
}

TEST(MenuWords, YourStatsShowsTheCounters) {
    MenuGame game;
    game.ToBoard();
    game.gs().Stats = {7, 0, 12, 1, 30000};
    game.Run("click But(1)");
    game.Run("click But(7)");
    const char* expected[] = {" 7", " 0", " 12", " 1", " 30000"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(game.Caption(Name::Score, i), expected[i]) << i;
}

TEST(MenuWords, AboutShowsTheMakersAddressInTheMenu) {
    MenuGame game;
    game.ToBoard();
    game.Run("click But(1)");
    game.Run("click But(8)");
    const Element& about = game.el(Name::About);
    EXPECT_EQ(about.left, 8);
    EXPECT_EQ(about.top, 8);
    EXPECT_TRUE(game.calc().el.Shown(about));
    EXPECT_EQ(game.Caption(Name::VerLab), "brindlecove.example");
}

TEST(MenuWords, QuitPlaysTheClicksAndClosesHalfASecondLater) {
    for (int level : {0, 2}) {
        SCOPED_TRACE(level);
        MenuGame game("-1  5  " + std::to_string(level) +
                      " -1 0 0 \r\n 0  1680  1260  12000  9000 \r\n");
        game.ToBoard();
        uint64_t clicked = game.platform().NowMs();
        game.Run("click But(0)");
        std::vector<std::string> sounds;
        if (level) sounds = {"sound Click1", "sound Click2"};
        EXPECT_EQ(game.Events(), sounds);
        EXPECT_EQ(ShownPanels(game), "First");
        EXPECT_TRUE(game.calc().TimerEnabled(TimerId::LastUp));
        // LastUp counts from the click; clicks longer than its half second close at once.
        uint64_t close_at = std::max<uint64_t>(clicked + 500, game.platform().NowMs());
        if (close_at > game.platform().NowMs() + 1) {
            game.Run("wait " + std::to_string(close_at - game.platform().NowMs() - 1));
            EXPECT_FALSE(game.calc().loop.Unloaded());
        }
        game.Try("wait 1");
        EXPECT_TRUE(game.calc().loop.Unloaded());
        EXPECT_EQ(game.platform().NowMs(), close_at);
        EXPECT_EQ(game.Events().back(), "unload");
    }
}

}  // namespace
}  // namespace quorrel
