// A change of language while the game runs: the captions follow the catalog by themselves; the
// texts built from numbers and the window's title are made again in the new language.
#include "board/hints.h"
#include "menus/menus.h"
#include "shell/language.h"

namespace quorrel {

Step ChooseLanguage(Calc& calc, std::string code) {
    if (GameLanguage(code) != code) co_return;
    std::string old_title(calc.Tr("Quorrel"));
    calc.SetLanguage(code);
    calc.RememberLanguage(code);
    // The hint taken on the dealt puzzle is made again, with the new language's joining word.
    const GameState& gs = calc.gs;
    if (gs.HintsUsed > 0)
        calc.el(Name::HintL).caption =
            TranslatedHint(calc, HintCaption(gs.ProblemText, gs.HintsUsed));
    ShowProblemCount(calc);
    ShowScoreLine(calc);
    // A verdict standing in the title ("OK", "No") goes when the board's wait ends.
    if (calc.gs.TitleText == old_title) {
        calc.gs.TitleText = calc.Tr("Quorrel");
        calc.SetTitle(calc.gs.TitleText);
    }
}

}  // namespace quorrel
