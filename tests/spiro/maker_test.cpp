// The spirolateral maker: its values as the drawing reads them, entering the maker, the line
// sample, and the value boxes and sample bars as clickable parts of the panel.
#include "spiro/maker.h"

#include <gtest/gtest.h>

#include "menus/menu_game.h"
#include "menus/menus.h"

namespace quorrel {
namespace {

using menu_testing::MenuGame;
using menu_testing::ShownPanels;

TEST(MakerValues, CaptionsReadAsTheirLeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* caption;
        int16_t value;
        bool acceptable;  // may the keypad's OK keep it
    };
    const Case cases[] = {
        {"4", 4, true},
        {"007", 7, true},
        {"2.5", 2, true},
        {"3.5", 4, true},
        {"1.5", 2, true},
        {".51", 1, true},
        {"1.2.3", 1, true},
        {"32767", 32767, true},
        {"32767.4", 32767, true},
        {"", 0, false},
        {".", 0, false},
        {"0", 0, false},
        {".4", 0, false},
        {".5", 0, false},
        {"0.5", 0, false},
        {"32767.5", 32767, false},  // saturates when read, and the keypad refuses it
        {"99999", 32767, false},
        {"999999999999", 32767, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakerValue(c.caption), c.value) << '"' << c.caption << '"';
        EXPECT_EQ(AcceptableMakerValue(c.caption), c.acceptable) << '"' << c.caption << '"';
    }
}

// The bars' looks: opaque and back colour of Cap(0), Cap(1), Cap(2).
struct Sample {
    bool opaque[3];
    uint32_t back[3];
};

Sample LookOf(MenuGame& game) {
    Sample s{};
    for (int i = 0; i < 3; ++i) {
        s.opaque[i] = game.el(Name::Cap, i).opaque;
        s.back[i] = game.el(Name::Cap, i).back;
    }
    return s;
}

// The height of the bar that shows in front: Cap(0) lies over the others, so it is the first
// painted one.
int WidestShownBar(MenuGame& game) {
    for (int i = 0; i < 3; ++i)
        if (game.el(Name::Cap, i).opaque) return game.el(Name::Cap, i).height;
    return 0;
}

TEST(Maker, TheLineWordCyclesTheSampleWithoutDrawing) {
    MenuGame game;
    game.ToMaker();
    game.Run("click Form");
    game.Forget();
    using namespace colour;
    // Before any click the bars have their stored colours.
    Sample stored = LookOf(game);
    EXPECT_EQ(stored.back[2], kDarkGrey);
    EXPECT_EQ(WidestShownBar(game), 7);
    struct Step {
        int16_t thickness;
        int widest;
        bool opaque[3];
        uint32_t back[3];  // of the opaque bars
    };
    const Step steps[] = {
        {1, 5, {false, true, true}, {0, kWhite, kBlack}},
        {2, 2, {false, false, true}, {0, 0, kWhite}},
        {0, 7, {true, true, true}, {kWhite, kSilver, kBlack}},
        {1, 5, {false, true, true}, {0, kWhite, kBlack}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.thickness);
        game.Run("click But(14)");
        EXPECT_EQ(game.gs().LineThickness, step.thickness);
        EXPECT_EQ(WidestShownBar(game), step.widest);
        Sample look = LookOf(game);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(look.opaque[i], step.opaque[i]) << i;
            if (step.opaque[i]) {
                EXPECT_EQ(look.back[i], step.back[i]) << i;
            }
        }
        EXPECT_TRUE(game.Lines().empty());
        EXPECT_TRUE(game.Visible(Name::Spirom));
    }
}

TEST(Maker, ASampleBarAdvancesTheThicknessAndDraws) {
    for (int bar = 0; bar < 3; ++bar) {
        SCOPED_TRACE(bar);
        MenuGame game;
        game.ToMaker();
        game.Run("click OKBut");
        game.Run("click Form");
        game.Forget();
        game.Run("click Cap(" + std::to_string(bar) + ")");
        EXPECT_EQ(game.gs().LineThickness, 1);
        EXPECT_EQ(WidestShownBar(game), 5);
        EXPECT_FALSE(game.Visible(Name::Spirom));
        game.ExpectDrawn(4, 45, 1);
    }
}

TEST(Maker, TheThicknessReachesTheDrawing) {
    // Only a maximised window draws with more than one thin pen.
    MenuGame game;
    game.ToMaker();
    game.Run("click OKBut");
    game.Run("maximize");
    std::vector<std::vector<std::string>> drawn;
    for (const char* bar : {"Cap(0)", "Cap(1)", "Cap(2)"}) {
        SCOPED_TRACE(bar);
        game.Run("click Form");
        game.Forget();
        game.Run(std::string("click ") + bar);
        drawn.push_back(game.Lines());
        EXPECT_EQ(drawn.back(), game.Reference(4, 45, 1));
    }
    EXPECT_EQ(game.gs().LineThickness, 0);
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[1], drawn[2]);
    EXPECT_NE(drawn[0], drawn[2]);
}

TEST(Maker, EnteringDrawsTheStoredValuesAtOnceUnderTheNotice) {
    MenuGame game;
    game.ToBoard();
    game.Run("click But(1)");
    game.Run("click But(6)");
    EXPECT_EQ(game.gs().MakerMode, kTrue);
    EXPECT_EQ(ShownPanels(game), "RestoreHint");
    EXPECT_FALSE(game.gs().KeypadOpen);
    EXPECT_EQ(game.el(Name::Spirom).left, game.el(Name::Floater).left);
    EXPECT_EQ(game.el(Name::Spirom).top, game.el(Name::Floater).top);
    game.ExpectDrawn(4, 45, 1);
}

TEST(Maker, ValueBoxesActAsTheWordsBesideThem) {
    for (int16_t box = 0; box < 3; ++box) {
        SCOPED_TRACE(box);
        MenuGame game;
        game.ToMaker();
        game.Run("click Form");
        game.Run("click LMOrder(" + std::to_string(box) + ")");
        EXPECT_TRUE(game.gs().KeypadOpen);
        EXPECT_EQ(game.gs().EditIndex, box);
        EXPECT_EQ(game.Caption(Name::LMOrder, box), "");
        EXPECT_EQ(game.Caption(Name::Label12), "Set a value then click OK");
    }
    MenuGame game;
    game.ToMaker();
    for (int16_t stray : {-1, 3}) LMOrder_Click(game.calc(), stray);
    for (int16_t stray : {-1, 3}) Cap_Click(game.calc(), stray);
    EXPECT_FALSE(game.gs().KeypadOpen);
    EXPECT_EQ(game.gs().LineThickness, 0);
    EXPECT_TRUE(game.Events().empty());
}

TEST(Maker, WhileTypingBoxesAndBarsOnlyBeepOnce) {
    MenuGame game;
    game.ToMaker();
    game.Run("click Form");
    game.Run("click But(11)");
    game.Run("click CalBut(8)");
    game.Forget();
    const char* const targets[] = {"LMOrder(0)", "LMOrder(1)", "LMOrder(2)", "Cap(0)",
                                   "Cap(1)",     "Cap(2)",     "But(14)",    "But(15)"};
    for (const char* target : targets) {
        SCOPED_TRACE(target);
        game.Run(std::string("click ") + target);
        EXPECT_EQ(game.Events(), std::vector<std::string>{"beep"});
        EXPECT_EQ(game.gs().EditIndex, 0);
        EXPECT_EQ(game.Caption(Name::LMOrder, 0), "8");
        EXPECT_EQ(game.gs().LineThickness, 0);
        EXPECT_TRUE(game.Visible(Name::Spirom));
        EXPECT_TRUE(game.Lines().empty());
    }
}

TEST(Maker, PlayLeavesTheMaker) {
    MenuGame game;
    game.ToMaker();
    game.Run("click OKBut");
    game.Run("click Form");
    game.Run("click But(9)");
    EXPECT_EQ(game.gs().MakerMode, kFalse);
    EXPECT_EQ(ShownPanels(game), "Floater");
    // Outside the maker the background shows the board, never the maker panel.
    game.Run("click Form");
    EXPECT_EQ(ShownPanels(game), "Floater");
}

}  // namespace
}  // namespace quorrel
