// The hint word: "Hint" shows the next hint of the dealt puzzle, "Reset" lays it out again.
#include "board/hints.h"

#include "board/board.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {

std::string TranslatedHint(const Calc& calc, const std::string& english) {
    // The steps are numbers and signs: the joining word is the only word in the line.
    constexpr std::string_view kThen = " then ";
    // TRANSLATORS: joins two hint steps on the board, "1+6 then 23/23" (121 x 17 px, 9 pt);
    // keep the blanks at both ends.
    std::string_view then = calc.Tr(" then ");
    size_t at = english.find(kThen);
    if (at == std::string::npos || then == kThen) return english;
    return english.substr(0, at) + std::string(then) + english.substr(at + kThen.size());
}

Step HintWord(Calc& calc) {
    GameState& gs = calc.gs;
    // A reset, and a half-made move undone before a hint, are laid out (and let events run)
    // before the hint is counted.
    if (gs.offers_reset || (Board(gs).dealt() && gs.MoveState != 0)) {
        bool only_reset = gs.offers_reset;
        co_await SetUpPuzzle(calc, kFalse);
        if (only_reset) co_return;
    }
    Outcome out = Board(gs).Hint();
    if (out.what != Happened::Hinted) co_return;  // nothing dealt: no solution to hint at
    calc.levels.Touched();
    Element& hint = calc.el(Name::HintL);
    hint.visible = true;
    hint.fore = colour::kYellow;
    gs.board.hint_label_used = true;
    hint.caption = TranslatedHint(calc, out.hint);
}

}  // namespace quorrel
