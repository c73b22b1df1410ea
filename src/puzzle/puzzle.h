// The board: its handlers and the routines other subsystems call (loading and dealing, the hint
// word, the score line).
#pragma once

#include <cstdint>
#include <string>

#include "window/step.h"

namespace quorrel {

class Calc;

// Loads the problems of the chosen target and groups and deals one.
Step LoadProblems(Calc& calc);
// NewPuzzle non-zero: deal a new problem; zero: lay the dealt numbers out again (reset).
Step SetUpPuzzle(Calc& calc, int16_t NewPuzzle);
Step Dig_Click(Calc& calc, int16_t Index);
Step Digit_Click(Calc& calc, int16_t Index);
Step Op_Click(Calc& calc, int16_t Index);
void KlikOff_Timer(Calc& calc);
// The board word But(kHintWord): the next hint, or the puzzle laid out again once a move began.
Step HintWord(Calc& calc);
void Cent_DblClick(Calc& calc);
void RefreshScoreLine(Calc& calc);

// The texts built from numbers, made in the window's language when they are set (and again
// after a change of language): the problem count on the setup panel, the score line from the
// last refresh's minutes and the points, and the hint line from the board's English one.
void ShowProblemCount(Calc& calc);
void ShowScoreLine(Calc& calc);
std::string TranslatedHint(const Calc& calc, const std::string& english);

// The board word that offers a hint or a reset.
constexpr int16_t kHintWord = 3;

}  // namespace quorrel
