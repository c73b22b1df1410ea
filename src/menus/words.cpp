// The clickable menu words and the click on the bare window background. The screens take turns
// at the board's place; each word hides the screen it stands on and opens the next one, through
// the window's screen state, which shows and hides the panels.
#include "menus/keypad.h"
#include "menus/menus.h"
#include "shell/calc.h"
#include "spiro/draw_spiro.h"
#include "spiro/maker.h"
#include "spiro/save_figure.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// A made-up address: the game names no real site.
constexpr char kMakerAddress[] = "brindlecove.example";

constexpr int kHelpGame = 1000, kHelpSetup = 1001, kHelpMaker = 1002;

// Puts a panel on the board's spot; the board itself keeps its place (the layout moves it).
void PlaceOverBoard(Elements& el, Name panel) {
    const Element& board = el(Name::Floater);
    el(panel).left = board.left;
    el(panel).top = board.top;
}

void OpenHelp(Calc& calc, int context) {
    // The panel stands over the screen it explains, with the background kept fresh behind it.
    calc.EnableTimer(TimerId::TileBoy);
    calc.OpenHelpPanel(context);
    calc.TileBackground();
}

// --- The board's words ---------------------------------------------------------------------

Step Quit(Calc& calc) {
    // The title panel stands while the clicks play; LastUp then closes.
    calc.EnableTimer(TimerId::LastUp);
    calc.SwitchScreen(Screen::Board, Screen::Title);
    co_await calc.PlayClicks();
}

Step OpenMenu(Calc& calc) {
    if (calc.Screens().Has(Overlay::Strip)) {
        calc.SetOverlay(Overlay::Strip, false);
        co_await calc.DoEvents();
        calc.EnableTimer(TimerId::TileBoy);  // the strip's place needs its tile back
    }
    PlaceOverBoard(calc.el, Name::Helper);
    calc.SwitchScreen(Screen::Board, Screen::Menu);
}

// --- The menu's words ----------------------------------------------------------------------

Step PlayFromMenu(Calc& calc) {
    // Closes the about box first, the menu only on a second click.
    calc.TileBackground();
    co_await calc.DoEvents();
    if (calc.Screens().Has(Overlay::About)) {
        calc.SetOverlay(Overlay::About, false);
        // TRANSLATORS: the main menu's corner word once the About box is closed (41 x 25 px, 9 pt).
        calc.el(Name::But, kWordPlayFromMenu).caption = N_("Play");
    } else {
        calc.SwitchScreen(Screen::Menu, Screen::Board);
    }
}

Step MakeSpiros(Calc& calc) {
    // The figure of the current values is drawn at once, the notice over it.
    Elements& el = calc.el;
    calc.HideScreen(Screen::Board);
    calc.gs.MakerMode = kTrue;
    PlaceOverBoard(el, Name::Spirom);
    PlaceOverBoard(el, Name::RestoreHint);
    calc.SetOverlay(Overlay::MakerNotice, true);
    calc.HideScreen(Screen::Menu);
    co_await CalBut_Click(calc, kOkKey);
    calc.SetOverlay(Overlay::MakerNotice, true);
}

Step OpenStats(Calc& calc) {
    calc.HideScreen(Screen::Board);
    co_await calc.DoEvents();
    for (int i = 0; i < 5; ++i) calc.el(Name::Score, i).caption = NumberText(calc.gs.Stats[i]);
    PlaceOverBoard(calc.el, Name::Hist);
    calc.SwitchScreen(Screen::Menu, Screen::Stats);
}

Step OpenAbout(Calc& calc) {
    Elements& el = calc.el;
    // TRANSLATORS: the main menu's corner word while the About box is open (41 x 25 px, 9 pt); also
    // the keypad's OK button (25 x 13 px, 8 pt) and the title while the board waits after a right
    // answer.
    el(Name::But, kWordPlayFromMenu).caption = N_("OK");
    el(Name::VerLab).caption = kMakerAddress;
    el(Name::About).left = el.Px(8);
    el(Name::About).top = el.Px(8);
    calc.SetOverlay(Overlay::About, true);
    return {};
}

Step OpenSetup(Calc& calc) {
    calc.TileBackground();
    co_await calc.DoEvents();
    PlaceOverBoard(calc.el, Name::SelFloat);
    calc.SwitchScreen(Screen::Menu, Screen::Setup);
}

// --- The setup's and the stats' words ------------------------------------------------------

Step PlayFromSetup(Calc& calc) {
    const GameState& gs = calc.gs;
    calc.HideScreen(Screen::Setup);
    // With every operator group off there would be nothing to deal: "+ -" comes back on and a
    // puzzle is dealt before the board shows.
    if (gs.OperatorSetOn[0] + gs.OperatorSetOn[1] + gs.OperatorSetOn[2] == 0)
        co_await Diff_Click(calc, 0);
    calc.ShowScreen(Screen::Board);
}

Step OpenOptions(Calc& calc) {
    PlaceOverBoard(calc.el, Name::MoreFloat);
    calc.SwitchScreen(Screen::Setup, Screen::Options);
    return {};
}

Step BackToSetup(Calc& calc) {
    calc.SwitchScreen(Screen::Options, Screen::Setup);
    return {};
}

Step PlayFromOptions(Calc& calc) {
    // Leaves through the setup's own Play word, which makes sure there is a puzzle to play.
    calc.HideScreen(Screen::Options);
    co_await PlayFromSetup(calc);
}

Step PlayFromStats(Calc& calc) {
    calc.SwitchScreen(Screen::Stats, Screen::Board);
    return {};
}

// --- The maker's words ---------------------------------------------------------------------

Step PlayFromMaker(Calc& calc) {
    calc.TileBackground();
    co_await calc.DoEvents();
    calc.HideScreen(Screen::Maker);
    calc.gs.MakerMode = kFalse;
    calc.ShowScreen(Screen::Board);
}

Step Draw(Calc& calc) {
    // The figure alone on the window, drawn from the values as their boxes read.
    calc.HideScreen(Screen::Maker);
    int16_t order = MakerValue(calc.gs.MakerText[0]);
    int16_t angle = MakerValue(calc.gs.MakerText[1]);
    int16_t left_turns = MakerValue(calc.gs.MakerText[2]);
    co_await DrawSpiro(calc, order, angle, left_turns);
}

Step NextLine(Calc& calc) {
    // Only the sample changes; the next drawing uses the new thickness.
    GameState& gs = calc.gs;
    gs.LineThickness = static_cast<int16_t>(Remainder(gs.LineThickness + 1, 3));
    ShowLineSample(calc.el, gs.LineThickness);
    return {};
}

Step StartTypingOrder(Calc& calc) {
    StartTyping(calc, 0);
    return {};
}
Step StartTypingAngle(Calc& calc) {
    StartTyping(calc, 1);
    return {};
}
Step StartTypingLeftTurns(Calc& calc) {
    StartTyping(calc, 2);
    return {};
}

template <int kContext>
Step HelpPage(Calc& calc) {
    OpenHelp(calc, kContext);
    return {};
}

// Each word's step; no word carries 18 or 19.
constexpr struct {
    MenuWord word;
    Step (*run)(Calc&);
} kWords[] = {
    {kWordQuit, Quit},
    {kWordMenu, OpenMenu},
    {kWordHint, HintWord},
    {kWordHelp, HelpPage<kHelpGame>},
    {kWordPlayFromMenu, PlayFromMenu},
    {kWordMakeSpiros, MakeSpiros},
    {kWordStats, OpenStats},
    {kWordAbout, OpenAbout},
    {kWordSetup, OpenSetup},
    {kWordPlayFromSetup, PlayFromSetup},
    {kWordSetupHelp, HelpPage<kHelpSetup>},
    {kWordPlayFromStats, PlayFromStats},
    {kWordPlayFromMaker, PlayFromMaker},
    {kWordDraw, Draw},
    {kWordOrder, StartTypingOrder},
    {kWordAngle, StartTypingAngle},
    {kWordLeftTurns, StartTypingLeftTurns},
    {kWordLine, NextLine},
    {kWordMakerHelp, HelpPage<kHelpMaker>},
    {kWordSave, SaveShownFigure},
    {kWordMore, OpenOptions},
    {kWordBackToSetup, BackToSetup},
    {kWordPlayFromOptions, PlayFromOptions},
};

}  // namespace

Step But_Click(Calc& calc, int16_t Index) {
    // While a maker value is typed only the keypad, Back Color and the background act; a word,
    // Help and Play included, could otherwise leave the keypad open behind another screen.
    if (calc.gs.KeypadOpen) {
        calc.platform.Beep();
        co_return;
    }
    calc.DisableTimer(TimerId::TileBoy);
    for (const auto& word : kWords)
        if (word.word == Index) co_await word.run(calc);
}

EscapeAction EscapeFor(FocusPanel panel) {
    switch (panel) {
        case FocusPanel::Menu:
            return {Name::But, kWordPlayFromMenu};
        case FocusPanel::Setup:
            return {Name::But, kWordPlayFromSetup};
        case FocusPanel::Options:
            return {Name::But, kWordBackToSetup};
        case FocusPanel::Stats:
            return {Name::But, kWordPlayFromStats};
        case FocusPanel::Maker:
            return {Name::But, kWordPlayFromMaker};
        case FocusPanel::HelpNote:
            return {Name::HelpNote};
        case FocusPanel::Help:
            return {Name::HelpWord, kHelpClose};
        case FocusPanel::Board:
            return {};
        case FocusPanel::MakerNotice:
        case FocusPanel::None:
            break;
    }
    return {Name::Count, -1, true};
}

void Form_Click(Calc& calc) {
    // The stats and the maker notice are left as they are, and a value being typed stays open:
    // the background only brings back the screen of the current mode.
    const bool about_closed = calc.Screens().Has(Overlay::About);
    if (calc.gs.MakerMode) {
        calc.ShowScreen(Screen::Maker);
        calc.el(Name::Label12).caption = N_("Click a word or number");
        for (Screen screen : {Screen::Board, Screen::Menu, Screen::Setup, Screen::Options})
            calc.HideScreen(screen);
    } else {
        calc.HideScreen(Screen::Maker);
        calc.ShowScreen(Screen::Board);
        for (Screen screen : {Screen::Menu, Screen::Setup, Screen::Options})
            calc.HideScreen(screen);
    }
    calc.SetOverlay(Overlay::About, false);
    if (about_closed) calc.el(Name::But, kWordPlayFromMenu).caption = N_("Play");
}

// The maker panel's own clicks go through its words, so a click on a box or a bar is refused
// by the same keypad rule as every word.
Step LMOrder_Click(Calc& calc, int16_t Index) {
    // A value box acts as the word beside it: Order, Angle or Left T.
    if (Index < 0 || Index > 2) co_return;
    co_await But_Click(calc, static_cast<int16_t>(kWordOrder + Index));
}

Step Cap_Click(Calc& calc, int16_t Index) {
    if (Index < 0 || Index > 2) co_return;
    // Refused here once, rather than by both words below, so a refused click beeps only once.
    if (calc.gs.KeypadOpen) {
        calc.platform.Beep();
        co_return;
    }
    co_await But_Click(calc, kWordLine);  // next thickness
    co_await But_Click(calc, kWordDraw);  // and the figure drawn with it
}

}  // namespace quorrel
