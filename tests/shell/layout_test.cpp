// The layout on resize: the six main panels centred together for the window's new size (or the
// screen's, when maximised), the title and background renewed, the maker's figure redrawn.
#include <gtest/gtest.h>

#include <sstream>

#include "menus/menu_game.h"
#include "state/convert.h"

namespace quorrel {
namespace {

using menu_testing::MenuGame;

constexpr Name kCentred[] = {Name::Floater, Name::First, Name::SelFloat,
                             Name::Helper,  Name::Hist,  Name::Spirom};
constexpr Name kLeftAlone[] = {Name::RestoreHint, Name::Hellf, Name::Paper};

// "maximize; restore" -> each command in turn.
void RunAll(MenuGame& game, const std::string& commands) {
    std::istringstream in(commands);
    for (std::string command; std::getline(in, command, ';');) {
        command.erase(0, command.find_first_not_of(' '));
        if (!command.empty()) game.Run(command);
    }
}

bool Contains(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) return true;
    return false;
}

TEST(Layout, PanelsAreCentredByTheStateBeforeAndAfter) {
    struct Case {
        const char* before;  // brings the window to the previous state
        const char* change;  // the resize under test
        bool laid_out;
        int x, y;  // where the panels stand when laid out
        int16_t state;
    };
    const Case cases[] = {
        {"", "maximize", true, 404, 256, 2},  // (1024 - 217) / 2, (768 - 40 - 217) / 2
        {"", "resize 800 600", true, 292, 172, 0},
        {"", "resize 1001 701", true, 392, 222, 0},
        {"", "resize 200 300", true, -8, 22, 0},  // narrower than a panel: off the left edge
        {"", "restore", true, 292, 172, 0},
        {"maximize", "restore", true, 292, 172, 0},
        {"maximize", "resize 900 700", true, 342, 222, 0},
        {"maximize", "maximize", false, 0, 0, 2},
        {"maximize", "minimize", false, 0, 0, 1},
        {"", "minimize", false, 0, 0, 1},
        {"minimize", "minimize", false, 0, 0, 1},
        {"minimize", "restore", true, 292, 172, 0},
        {"minimize", "maximize", true, 404, 256, 2},
        {"maximize; minimize", "restore", true, 292, 172, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " / " + c.change);
        MenuGame game;
        game.ToBoard();
        RunAll(game, c.before);
        // Panels moved away, so that a layout shows and its absence too.
        for (Name panel : kCentred) game.el(panel).left = game.el(panel).top = 1;
        int left_alone[3][2];
        for (int i = 0; i < 3; ++i) {
            left_alone[i][0] = game.el(kLeftAlone[i]).left;
            left_alone[i][1] = game.el(kLeftAlone[i]).top;
        }
        game.Forget();
        game.Run(c.change);
        for (Name panel : kCentred) {
            EXPECT_EQ(game.el(panel).left, c.laid_out ? c.x : 1) << NameText(panel);
            EXPECT_EQ(game.el(panel).top, c.laid_out ? c.y : 1) << NameText(panel);
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(game.el(kLeftAlone[i]).left, left_alone[i][0]) << NameText(kLeftAlone[i]);
            EXPECT_EQ(game.el(kLeftAlone[i]).top, left_alone[i][1]) << NameText(kLeftAlone[i]);
        }
        std::vector<std::string> events = game.Events();
        EXPECT_EQ(Contains(events, "title \"Quorrel\""), c.laid_out);
        EXPECT_EQ(Contains(game.Run("lines"), "tile "), c.laid_out) << "background repainted";
        EXPECT_EQ(game.gs().TitleText, "Quorrel");
        EXPECT_EQ(game.gs().StartWindowState, c.state);
    }
}

TEST(Layout, AWindowStartedMaximisedKeepsItsStartingPlaceUntilRestored) {
    MenuGame game("-1  5  0 -1 0 0 \r\n 2  1680  1260  12000  9000 \r\n");
    game.ToBoard();
    ASSERT_EQ(game.gs().StartWindowState, 2);
    game.Run("maximize");
    EXPECT_EQ(game.el(Name::Floater).left, 404);
    EXPECT_EQ(game.el(Name::Floater).top, 246);  // start-up allows 60 pixels for the frame
    EXPECT_TRUE(game.Events().empty());
    game.Run("restore");
    // Centred in whatever normal size the window comes back with.
    Placement normal = game.platform().NormalPlacement();
    EXPECT_EQ(game.el(Name::Floater).left, RoundToInt16((normal.width / 15 - 217) / 2));
    EXPECT_EQ(game.el(Name::Floater).top, RoundToInt16((normal.height / 15 - 40 - 217) / 2));
    EXPECT_EQ(game.Events(), std::vector<std::string>{"title \"Quorrel\""});
}

TEST(Layout, InTheMakerTheFigureIsDrawnAgainAtTheNewSize) {
    MenuGame game;
    game.ToMaker();
    game.Run("click OKBut");
    game.Run("click Form");
    ASSERT_TRUE(game.Visible(Name::Spirom));
    for (const char* change : {"resize 900 700", "maximize", "restore"}) {
        SCOPED_TRACE(change);
        game.Forget();
        game.Run(change);
        EXPECT_FALSE(game.Visible(Name::Spirom));
        game.ExpectDrawn(4, 45, 1);
        game.Run("click Form");
    }
    // Without a change of layout nothing is drawn.
    game.Forget();
    game.Run("minimize");
    EXPECT_TRUE(game.Visible(Name::Spirom));
    EXPECT_TRUE(game.Lines().empty());
}

TEST(Layout, WhileAValueIsTypedTheRedrawOnlyBeeps) {
    MenuGame game;
    game.ToMaker();
    game.Run("click Form");
    game.Run("click But(12)");
    game.Run("click CalBut(9)");
    game.Forget();
    game.Run("resize 900 700");
    EXPECT_EQ(game.el(Name::Spirom).left, 342);
    EXPECT_TRUE(game.Visible(Name::Spirom));
    EXPECT_TRUE(game.gs().KeypadOpen);
    EXPECT_EQ(game.Caption(Name::LMOrder, 1), "9");
    EXPECT_TRUE(game.Lines().empty());
    std::vector<std::string> events = game.Events();
    EXPECT_EQ(events.back(), "beep");
}

TEST(Layout, AResizeDuringTheDrawingStartsItAfreshAtTheNewSize) {
    MenuGame game;
    game.ToBoard();
    game.Run("click But(1)");
    game.Forget();
    // The resize waits in the queue behind the click and arrives while the figure is drawn.
    game.Run("queue click But(6)");
    game.Run("resize 900 700");
    std::vector<std::string> drawn = game.Lines();
    std::vector<std::string> fresh = game.Reference(4, 45, 1);
    ASSERT_FALSE(fresh.empty());
    ASSERT_GE(drawn.size(), fresh.size());
    EXPECT_EQ(std::vector<std::string>(drawn.end() - static_cast<long>(fresh.size()), drawn.end()),
              fresh);
    EXPECT_EQ(game.el(Name::Floater).left, 342);
    EXPECT_EQ(game.gs().StartWindowState, 0);
    EXPECT_EQ(game.gs().MakerMode, kTrue);
    EXPECT_TRUE(game.Visible(Name::RestoreHint));
}

}  // namespace
}  // namespace quorrel
