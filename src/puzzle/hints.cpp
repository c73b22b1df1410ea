// The hint word: "Hint" shows the next hint of the dealt puzzle, "Reset" lays it out again.
#include "board/hints.h"

#include "puzzle/puzzle.h"
#include "shell/calc.h"

namespace quorrel {

Step HintWord(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.board.offers_reset) {
        co_await SetUpPuzzle(calc, kFalse);
        co_return;
    }
    if (gs.ProblemText.empty()) co_return;  // nothing dealt: no solution to hint at
    if (gs.MoveState != 0) co_await SetUpPuzzle(calc, kFalse);
    if (gs.HintsUsed < 3) gs.HintsUsed = static_cast<int16_t>(gs.HintsUsed + 1);
    Element& hint = calc.el(Name::HintL);
    hint.visible = true;
    hint.fore = colour::kYellow;
    gs.board.hint_label_used = true;
    hint.caption = HintCaption(gs.ProblemText, gs.HintsUsed);
}

}  // namespace quorrel
