// The opening step (title panel gives way to the board) and the closing step.
#include "shell/calc.h"

namespace quorrel {

namespace {
const char* const kInstructions[] = {
    "You must combine the numbers in the yellow boxes using the operators in the green circles "
    "to give the result at the center of the puzzle.",
    " Click a number, an operater and another number. Repeat these steps until you have solved "
    "the puzzle.",
    "\r\rClick Hint if you need a hint,",
    "\r      Menu for options or",
    "\rHelp for more detailed instructions.",
};
}  // namespace

Step Calc::FirstUp_Timer() {
    co_await PlayClicks();
    ShowScreen(Screen::Board);
    Element& text = el(Name::Hell);
    text.caption = kInstructions[0];
    for (int part = 1; part < 5; ++part) text.caption = text.caption + kInstructions[part];
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
