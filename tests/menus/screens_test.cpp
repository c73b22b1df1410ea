// The screens as the words and Escape change them, on the game after its intro; whole games with
// their captions and sounds are the scenarios'.
#include <gtest/gtest.h>

#include <vector>

#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "shell/calc.h"

namespace quorrel {
namespace {

constexpr int16_t kBackground = -1;  // a click on the bare window

TEST(Screens, WordsTakeTurnsAtTheBoardsPlaceAndEscapeLeavesEach) {
    struct Case {
        std::vector<int16_t> clicks;  // words, or the background, from the board after the intro
        Screen front;
        FocusPanel focus;
        Screen after_escape;
        bool about_after_escape;
    };
    const Case cases[] = {
        {{}, Screen::Board, FocusPanel::Board, Screen::Board, false},
        {{kWordMenu}, Screen::Menu, FocusPanel::Menu, Screen::Board, false},
        {{kWordMenu, kWordAbout}, Screen::Menu, FocusPanel::Menu, Screen::Menu, false},
        {{kWordMenu, kWordSetup}, Screen::Setup, FocusPanel::Setup, Screen::Board, false},
        {{kWordMenu, kWordStats}, Screen::Stats, FocusPanel::Stats, Screen::Board, false},
        // The stats stay up under the board a background click brings back.
        {{kWordMenu, kWordStats, kBackground},
         Screen::Board,
         FocusPanel::Board,
         Screen::Board,
         false},
        // The figure under the maker notice; the background brings the maker panel back.
        {{kWordMenu, kWordMakeSpiros},
         Screen::Figure,
         FocusPanel::MakerNotice,
         Screen::Maker,
         false},
        {{kWordMenu, kWordMakeSpiros, kBackground},
         Screen::Maker,
         FocusPanel::Maker,
         Screen::Board,
         false},
        {{kWordMenu, kWordMakeSpiros, kBackground, kWordDraw},
         Screen::Figure,
         FocusPanel::MakerNotice,
         Screen::Maker,
         false},
        {{kWordQuit}, Screen::Title, FocusPanel::None, Screen::Title, false},
    };
    for (const Case& c : cases) {
        HeadlessOptions options;
        options.program_folder = QUORREL_SOURCE_DIR;
        HeadlessPlatform platform(options);
        Calc calc(platform, MakeGameHooks, 7);
        calc.Start();
        calc.loop.Run(calc.FirstUp_Timer());
        std::string path = "board";
        for (int16_t click : c.clicks) {
            calc.loop.Run(click == kBackground ? calc.OnFormClick() : But_Click(calc, click));
            path += " " + std::to_string(click);
        }
        const ScreenState& screen = calc.Screens();
        EXPECT_EQ(screen.Front(), c.front) << path;
        EXPECT_EQ(screen.Focus(), c.focus) << path;
        // The flags follow the state: the panel in front is shown, the title only at the end.
        EXPECT_EQ(calc.el(Name::First).visible, c.front == Screen::Title) << path;
        calc.loop.Run(calc.OnKey({.type = InputEvent::Type::Key, .key = "Escape"}));
        EXPECT_EQ(screen.Front(), c.after_escape) << path;
        EXPECT_EQ(screen.Has(Overlay::About), c.about_after_escape) << path;
    }
}

TEST(Screens, HelpNoteTakesTheFocusAndEscapeClosesIt) {
    ScreenState screen;
    EXPECT_EQ(screen.Front(), Screen::Title);
    EXPECT_EQ(screen.Focus(), FocusPanel::None);
    screen.Show(Screen::Maker);
    screen.Set(Overlay::HelpNote, true);
    EXPECT_EQ(screen.Focus(), FocusPanel::HelpNote);
    EXPECT_EQ(EscapeFor(screen.Focus()).click, Name::HelpNote);
}

}  // namespace
}  // namespace quorrel
