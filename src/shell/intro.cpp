// The opening step (title panel gives way to the board) and the closing step.
#include "shell/calc.h"

namespace quorrel {

namespace {
// TRANSLATORS: the instruction strip under the board at the start (601 x 141 px, 9.75 pt,
// about nine lines of 85 letters). Each \r starts a new line; the blanks after the fourth \r
// line the word up under the one above it: keep or drop them as your words need.
constexpr const char* kInstructions =
    N_("You must combine the numbers in the yellow boxes using the operators in the green circles "
       "to give the result at the center of the puzzle."
       " Click a number, an operater and another number. Repeat these steps until you have solved "
       "the puzzle."
       "\r\rClick Hint if you need a hint,"
       "\r      Menu for options or"
       "\rHelp for more detailed instructions.");
}  // namespace

Step Calc::FirstUp_Timer() {
    co_await PlayClicks();
    ShowScreen(Screen::Board);
    Element& text = el(Name::Hell);
    text.caption = kInstructions;
    PlaceStripAndNotice();
    // The strip stays up so a new player reads how to play, until the Menu word or a solved
    // puzzle takes it away.
    SetOverlay(Overlay::Strip, true);
    DisableTimer(TimerId::FirstUp);
    co_await DoEvents();
    HideScreen(Screen::Title);
}

void Calc::LastUp_Timer() {
    DisableTimer(TimerId::LastUp);
    loop.RequestClose();
}

}  // namespace quorrel
