// The maker's keypad: what the keys make of a value box, which values OK keeps, and the figure
// drawn afterwards with the value as the drawing reads it.
#include <gtest/gtest.h>

#include <sstream>

#include "menus/menu_game.h"

namespace quorrel {
namespace {

using menu_testing::MenuGame;

// "1 2 . 5 C B" -> the keys CalBut(1), CalBut(2), CalBut(10), CalBut(5), CalBut(13), CalBut(14).
void Type(MenuGame& game, const std::string& keys) {
    std::istringstream in(keys);
    for (std::string key; in >> key;) {
        int index = key == "." ? 10 : key == "C" ? 13 : key == "B" ? 14 : std::stoi(key);
        game.Run("click CalBut(" + std::to_string(index) + ")");
    }
}

// The maker panel up, past the notice, ready for a word.
MenuGame& ToMakerPanel(MenuGame& game) {
    game.ToMaker();
    game.Run("click OKBut");
    game.Run("click Form");
    game.Forget();
    return game;
}

void ExpectIdle(MenuGame& game, int box) {
    EXPECT_FALSE(game.gs().KeypadOpen);
    EXPECT_EQ(game.el(Name::LMOrder, box).back, colour::kYellow);
    for (int k = 0; k < 15; ++k) EXPECT_FALSE(game.el(Name::CalBut, k).visible) << k;
    EXPECT_FALSE(game.Visible(Name::Spirom));
}

TEST(Keypad, StartingToTypeEmptiesTheBoxAndShowsTheKeys) {
    const char* const olds[] = {"4", "45", "1"};
    for (int box = 0; box < 3; ++box) {
        SCOPED_TRACE(box);
        MenuGame game;
        ToMakerPanel(game);
        game.Run("click But(" + std::to_string(11 + box) + ")");
        EXPECT_TRUE(game.gs().KeypadOpen);
        EXPECT_EQ(game.gs().EditIndex, box);
        EXPECT_EQ(game.gs().EditOldValue, olds[box]);
        EXPECT_EQ(game.Caption(Name::LMOrder, box), "");
        EXPECT_EQ(game.el(Name::LMOrder, box).back, colour::kWhite);
        EXPECT_EQ(game.Caption(Name::Label12), "Set a value then click OK");
        for (int k = 0; k < 15; ++k)
            EXPECT_TRUE(game.calc().el.Shown(game.el(Name::CalBut, k))) << k;
        EXPECT_TRUE(game.Lines().empty());
    }
}

TEST(Keypad, OkKeepsAValueThatRoundsIntoRangeCancelNeverDoes) {
    struct Case {
        int box;
        const char* keys;
        int16_t finish;  // 11 OK, 12 Cancel
        const char* caption;
        int16_t order, angle, left_turns;  // as drawn afterwards
    };
    const Case cases[] = {
        {0, "1 2", 11, "12", 12, 45, 1},
        {1, "", 11, "45", 4, 45, 1},  // nothing typed reads as 0
        {0, "0", 11, "4", 4, 45, 1},
        {0, ".", 11, "4", 4, 45, 1},
        {0, "2 . 5", 11, "2.5", 2, 45, 1},  // halves go to the even neighbour
        {0, "3 . 5", 11, "3.5", 4, 45, 1},
        {0, "0 0 7", 11, "007", 7, 45, 1},
        {0, ". 4", 11, "4", 4, 45, 1},  // would draw as order 0
        {0, ". 5", 11, "4", 4, 45, 1},
        {0, ". 5 1", 11, ".51", 1, 45, 1},
        {1, "1 . 2 . 3", 11, "1.2.3", 4, 1, 1},  // the leading number only
        {1, "3 2 7 6 7", 11, "32767", 4, 32767, 1},
        {1, "3 2 7 6 7 . 4", 11, "32767.4", 4, 32767, 1},
        {1, "3 2 7 6 7 . 5", 11, "45", 4, 45, 1},  // rounds past 16 bits
        {1, "3 6 0 0 0", 11, "45", 4, 45, 1},
        {2, "9 9", 12, "1", 4, 45, 1},
        {2, "3", 12, "1", 4, 45, 1},
        {1, "9 C", 11, "45", 4, 45, 1},
        {1, "4 5 B", 11, "4", 4, 4, 1},
        {2, "B", 11, "1", 4, 45, 1},  // backspace on an empty box leaves it empty
        {2, "2 B B B 3", 11, "3", 4, 45, 3},
        // A thirteenth character is refused; the twelve typed stand.
        {2, "0 0 0 0 0 0 0 0 0 0 0 5 9", 11, "000000000005", 4, 45, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.box) + ": " + c.keys);
        MenuGame game;
        ToMakerPanel(game);
        game.Run("click LMOrder(" + std::to_string(c.box) + ")");
        Type(game, c.keys);
        std::istringstream keys(c.keys);
        int typed = 0;
        for (std::string key; keys >> key;) ++typed;
        EXPECT_EQ(game.Beeps(), std::max(0, typed - 12));  // only keys past the twelfth beep
        game.Run("click CalBut(" + std::to_string(c.finish) + ")");
        EXPECT_EQ(game.Caption(Name::LMOrder, c.box), c.caption);
        ExpectIdle(game, c.box);
        game.ExpectDrawn(c.order, c.angle, c.left_turns);
    }
}

TEST(Keypad, BackgroundClickLeavesTheKeypadOpen) {
    MenuGame game;
    ToMakerPanel(game);
    game.Run("click But(11)");
    Type(game, "3");
    game.Run("click Form");
    EXPECT_TRUE(game.gs().KeypadOpen);
    EXPECT_TRUE(game.Visible(Name::Spirom));
    EXPECT_TRUE(game.el(Name::CalBut, 11).visible);
    EXPECT_EQ(game.Caption(Name::Label12), "Click a word or number");
    EXPECT_EQ(game.Caption(Name::LMOrder, 0), "3");
    Type(game, "0");
    game.Run("click CalBut(11)");
    EXPECT_EQ(game.Caption(Name::LMOrder, 0), "30");
    game.ExpectDrawn(30, 45, 1);
}

TEST(Keypad, BackColorTakesTheTypedValueAndDraws) {
    for (bool typing : {true, false}) {
        SCOPED_TRACE(typing);
        MenuGame game;
        ToMakerPanel(game);
        if (typing) {
            game.Run("click But(13)");
            Type(game, "2");
        }
        game.Run("click BackColorSet");
        EXPECT_EQ(game.gs().BackColorIndex, 1);
        EXPECT_EQ(game.Caption(Name::LMOrder, 2), typing ? "2" : "1");
        ExpectIdle(game, 2);
        EXPECT_EQ(game.Events(), std::vector<std::string>{});
        game.ExpectDrawn(4, 45, typing ? 2 : 1);
    }
}

TEST(Keypad, TheNoticesOkHidesItAndDrawsAgain) {
    MenuGame game;
    game.ToMaker();
    ASSERT_TRUE(game.Visible(Name::RestoreHint));
    game.Run("click OKBut");
    EXPECT_FALSE(game.Visible(Name::RestoreHint));
    ExpectIdle(game, 0);
    game.ExpectDrawn(4, 45, 1);
    EXPECT_EQ(game.Caption(Name::LMOrder, 0), "4");
}

TEST(Keypad, ValuesLastUntilTypedAgain) {
    MenuGame game;
    ToMakerPanel(game);
    game.Run("click But(11)");
    Type(game, "6");
    game.Run("click CalBut(11)");
    game.Run("click Form");
    game.Run("click But(12)");
    Type(game, "9 0");
    game.Run("click CalBut(11)");
    game.Run("click Form");
    game.Run("click But(9)");  // leave the maker and come back
    game.Run("click But(1)");
    game.Forget();
    game.Run("click But(6)");
    EXPECT_EQ(game.Caption(Name::LMOrder, 0), "6");
    EXPECT_EQ(game.Caption(Name::LMOrder, 1), "90");
    game.ExpectDrawn(6, 90, 1);
}

}  // namespace
}  // namespace quorrel
