// What the move engine does around a move: refusing a click, the answer at the end of a
// puzzle and the wait that brings the board back. Free functions over the window, so the move
// handlers stay short and the waits can be tried on their own.
#pragma once

#include "window/step.h"

namespace quorrel {

class Calc;

// A click that is not allowed now: "Aah", or "No" in the centre for a second with sounds off.
// Changes neither the board nor the move.
Step RejectClick(Calc& calc);

// Lets the window's events run until two seconds have passed since the board's wait mark, sleeping
// in between; ends at once while the board is showing.
Step BoardWait(Calc& calc);

// The last number equals the target: count it, maybe draw the reward, deal the next puzzle.
Step CorrectAnswer(Calc& calc);

// The last number misses the target: count it and lay the same puzzle out again.
Step WrongAnswer(Calc& calc);

}  // namespace quorrel
