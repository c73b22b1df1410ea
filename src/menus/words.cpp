// The clickable menu words and the click on the bare window background. The panels take turns
// at the board's place; each word hides the screen it stands on and opens the next one.
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

void OpenOverBoard(Elements& el, Name panel) {
    PlaceOverBoard(el, panel);
    el(panel).visible = true;
}

}  // namespace

Step But_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    // While a maker value is typed only the keypad, Back Color and the background act; a word,
    // Help and Play included, could otherwise leave the keypad open behind another screen.
    if (gs.KeypadOpen) {
        calc.platform.Beep();
        co_return;
    }
    calc.DisableTimer(TimerId::TileBoy);

    auto open_help = [&calc](int context) {
        // The viewer runs on its own; whatever it makes of the page, the game carries on with
        // the background kept fresh behind it.
        calc.EnableTimer(TimerId::TileBoy);
        calc.OpenHelpPage(context);
        calc.TileBackground();
    };

    switch (Index) {
        case kWordQuit:  // the title panel stands while the clicks play; LastUp then closes
            calc.EnableTimer(TimerId::LastUp);
            el(Name::First).visible = true;
            el(Name::Floater).visible = false;
            co_await calc.PlayClicks();
            break;
        case kWordMenu:
            if (el(Name::Hellf).visible) {
                el(Name::Hellf).visible = false;
                co_await calc.DoEvents();
                calc.EnableTimer(TimerId::TileBoy);  // the strip's place needs its tile back
            }
            el(Name::Floater).visible = false;
            OpenOverBoard(el, Name::Helper);
            break;
        case kWordPlayFromSetup:
            el(Name::SelFloat).visible = false;
            // With every operator group off there would be nothing to deal: "+ -" comes back on
            // and a puzzle is dealt before the board shows.
            if (gs.OperatorSetOn[0] + gs.OperatorSetOn[1] + gs.OperatorSetOn[2] == 0)
                co_await Diff_Click(calc, 0);
            el(Name::Floater).visible = true;
            break;
        case kWordHint:
            co_await HintWord(calc);
            break;
        case kWordHelp:
            open_help(kHelpGame);
            break;
        case kWordPlayFromMenu:  // closes the about box first, the menu only on a second click
            calc.TileBackground();
            co_await calc.DoEvents();
            if (el(Name::About).visible) {
                el(Name::About).visible = false;
                el(Name::But, kWordPlayFromMenu).caption = "Play";
            } else {
                el(Name::Helper).visible = false;
                el(Name::Floater).visible = true;
            }
            break;
        case kWordMakeSpiros:  // the figure of the current values is drawn at once
            el(Name::Floater).visible = false;
            gs.MakerMode = kTrue;
            PlaceOverBoard(el, Name::Spirom);
            OpenOverBoard(el, Name::RestoreHint);
            el(Name::Helper).visible = false;
            co_await CalBut_Click(calc, kOkKey);
            el(Name::RestoreHint).visible = true;
            break;
        case kWordStats:
            el(Name::Floater).visible = false;
            co_await calc.DoEvents();
            for (int i = 0; i < 5; ++i) el(Name::Score, i).caption = NumberText(gs.Stats[i]);
            OpenOverBoard(el, Name::Hist);
            el(Name::Helper).visible = false;
            break;
        case kWordAbout:
            el(Name::But, kWordPlayFromMenu).caption = "OK";
            el(Name::VerLab).caption = kMakerAddress;
            el(Name::About).left = el.Px(8);
            el(Name::About).top = el.Px(8);
            el(Name::About).visible = true;
            break;
        case kWordPlayFromMaker:
            calc.TileBackground();
            co_await calc.DoEvents();
            el(Name::Spirom).visible = false;
            gs.MakerMode = kFalse;
            el(Name::Floater).visible = true;
            break;
        case kWordDraw: {
            el(Name::Spirom).visible = false;
            int16_t order = MakerValue(gs.MakerText[0]);
            int16_t angle = MakerValue(gs.MakerText[1]);
            int16_t left_turns = MakerValue(gs.MakerText[2]);
            co_await DrawSpiro(calc, order, angle, left_turns);
            break;
        }
        case kWordOrder:
        case kWordAngle:
        case kWordLeftTurns:
            StartTyping(calc, static_cast<int16_t>(Index - kWordOrder));
            break;
        case kWordLine:  // only the sample changes; the next drawing uses the new thickness
            gs.LineThickness = static_cast<int16_t>(Remainder(gs.LineThickness + 1, 3));
            ShowLineSample(el, gs.LineThickness);
            break;
        case kWordMakerHelp:
            open_help(kHelpMaker);
            break;
        case kWordSetup:
            calc.TileBackground();
            co_await calc.DoEvents();
            OpenOverBoard(el, Name::SelFloat);
            el(Name::Helper).visible = false;
            break;
        case kWordSetupHelp:
            open_help(kHelpSetup);
            break;
        case kWordPlayFromStats:
            el(Name::Hist).visible = false;
            el(Name::Floater).visible = true;
            break;
        case kWordSave:
            co_await SaveShownFigure(calc);
            break;
        default:  // no word carries 18, 19 or any other index
            break;
    }
}

void Form_Click(Calc& calc) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    // Hist and RestoreHint are left as they are, and a value being typed stays open: the
    // background only brings back the screen of the current mode.
    bool about_closed = el(Name::About).visible;
    if (gs.MakerMode) {
        el(Name::Spirom).visible = true;
        el(Name::Label12).caption = "Click a word or number";
        for (Name panel : {Name::Floater, Name::Helper, Name::SelFloat, Name::About})
            el(panel).visible = false;
    } else {
        el(Name::Spirom).visible = false;
        el(Name::Floater).visible = true;
        for (Name panel : {Name::Helper, Name::SelFloat, Name::About}) el(panel).visible = false;
    }
    if (about_closed) el(Name::But, kWordPlayFromMenu).caption = "Play";
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
