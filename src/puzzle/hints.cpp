// The hint word: "Hint" shows the next hint of the dealt puzzle, "Reset" lays it out again.
#include "board/hints.h"

#include "puzzle/puzzle.h"
#include "shell/calc.h"

namespace quorrel {

void HintWord(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.board.offers_reset) {
        SetUpPuzzle(calc, kFalse);
        return;
    }
    if (gs.ProblemText.empty()) return;  // nothing dealt: no solution to hint at
    if (gs.MoveState != 0) SetUpPuzzle(calc, kFalse);
    if (gs.HintsUsed < 3) gs.HintsUsed = static_cast<int16_t>(gs.HintsUsed + 1);
    Element& hint = calc.el(Name::HintL);
    hint.visible = true;
    hint.fore = colour::kYellow;
    gs.board.hint_label_used = true;
    hint.caption = HintCaption(gs.ProblemText, gs.HintsUsed);
}

}  // namespace quorrel
