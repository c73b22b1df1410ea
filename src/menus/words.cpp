// The clickable menu words and the click on the bare window background. The panels take turns
// at the board's place; each word hides the screen it stands on and opens the next one.
#include "menus/keypad.h"
#include "shell/calc.h"
#include "spiro/maker.h"
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

void Calc::But_Click(int16_t Index) {
    // While a maker value is typed only the keypad, Back Color and the background act; a word,
    // Help and Play included, could otherwise leave the keypad open behind another screen.
    if (gs.KeypadOpen) {
        platform.Beep();
        return;
    }
    DisableTimer(TimerId::TileBoy);

    auto open_help = [this](int context) {
        // The viewer runs on its own; whatever it makes of the page, the game carries on with
        // the background kept fresh behind it.
        EnableTimer(TimerId::TileBoy);
        OpenHelpPage(context);
        TileBackground();
    };

    switch (Index) {
        case 0:  // Quit: the title panel stands while the clicks play; LastUp then closes.
            EnableTimer(TimerId::LastUp);
            el(Name::First).visible = true;
            el(Name::Floater).visible = false;
            gs.SayName = "Click1";
            Say(0);
            gs.SayName = "Click2";
            Say(0);
            EnableTimer(TimerId::LastUp);
            break;
        case 1:  // Menu
            if (el(Name::Hellf).visible) {
                el(Name::Hellf).visible = false;
                DoEvents();
                EnableTimer(TimerId::TileBoy);  // the strip's place needs its tile back
            }
            el(Name::Floater).visible = false;
            OpenOverBoard(el, Name::Helper);
            break;
        case 2:  // Play, leaving the setup panel
            el(Name::SelFloat).visible = false;
            // With every operator group off there would be nothing to deal: "+ -" comes back on
            // and a puzzle is dealt before the board shows.
            if (gs.OperatorSetOn[0] + gs.OperatorSetOn[1] + gs.OperatorSetOn[2] == 0) Diff_Click(0);
            el(Name::Floater).visible = true;
            break;
        case 3:
            HintWord();
            break;
        case 4:
            open_help(kHelpGame);
            break;
        case 5:  // Play on the menu: closes the about box first, the menu only on a second click
            TileBackground();
            DoEvents();
            if (el(Name::About).visible) {
                el(Name::About).visible = false;
                el(Name::But, 5).caption = "Play";
            } else {
                el(Name::Helper).visible = false;
                el(Name::Floater).visible = true;
            }
            break;
        case 6:  // Make Spiros: the figure of the current values is drawn at once
            el(Name::Floater).visible = false;
            gs.MakerMode = kTrue;
            PlaceOverBoard(el, Name::Spirom);
            OpenOverBoard(el, Name::RestoreHint);
            el(Name::Helper).visible = false;
            CalBut_Click(11);
            el(Name::RestoreHint).visible = true;
            break;
        case 7:  // Your Stats
            el(Name::Floater).visible = false;
            DoEvents();
            for (int i = 0; i < 5; ++i) el(Name::Score, i).caption = NumberText(gs.Stats[i]);
            OpenOverBoard(el, Name::Hist);
            el(Name::Helper).visible = false;
            break;
        case 8:  // About: word 5 reads "OK" while the box is open
            el(Name::But, 5).caption = "OK";
            el(Name::VerLab).caption = kMakerAddress;
            el(Name::About).left = 8;
            el(Name::About).top = 8;
            el(Name::About).visible = true;
            break;
        case 9:  // Play, leaving the maker
            TileBackground();
            DoEvents();
            el(Name::Spirom).visible = false;
            gs.MakerMode = kFalse;
            el(Name::Floater).visible = true;
            break;
        case 10: {  // Draw the maker's figure
            el(Name::Spirom).visible = false;
            int16_t order = MakerValue(el(Name::LMOrder, 0).caption);
            int16_t angle = MakerValue(el(Name::LMOrder, 1).caption);
            int16_t left_turns = MakerValue(el(Name::LMOrder, 2).caption);
            DrawSpiro(order, angle, left_turns);
            break;
        }
        case 11:
        case 12:
        case 13:
            StartTyping(*this, static_cast<int16_t>(Index - 11));
            break;
        case 14:  // Line: only the sample changes; the next drawing uses the new thickness
            gs.LineThickness = static_cast<int16_t>(Remainder(gs.LineThickness + 1, 3));
            ShowLineSample(el, gs.LineThickness);
            break;
        case 15:
            open_help(kHelpMaker);
            break;
        case 16:  // Setup
            TileBackground();
            DoEvents();
            OpenOverBoard(el, Name::SelFloat);
            el(Name::Helper).visible = false;
            break;
        case 17:
            open_help(kHelpSetup);
            break;
        case 20:  // Play, leaving the statistics
            el(Name::Hist).visible = false;
            el(Name::Floater).visible = true;
            break;
        default:  // no word carries 18, 19 or any other index
            break;
    }
}

void Calc::Form_Click() {
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
    if (about_closed) el(Name::But, 5).caption = "Play";
}

}  // namespace quorrel
