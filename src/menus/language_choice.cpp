// A change of language while the game runs: the captions follow the catalog by themselves; the
// texts built from numbers and the window's title are made again in the new language.
#include "menus/menus.h"
#include "shell/language.h"

namespace quorrel {

Step ChooseLanguage(Calc& calc, std::string code) {
    if (GameLanguage(code) != code) co_return;
    // The hint line holds the old language's joining word; the numbers around it stay.
    std::string old_then(calc.Tr(" then "));
    std::string old_title(calc.Tr("Quorrel"));
    calc.SetLanguage(code);
    calc.RememberLanguage(code);
    Element& hint = calc.el(Name::HintL);
    size_t at = hint.caption.find(old_then);
    if (at != std::string::npos) hint.caption.replace(at, old_then.size(), calc.Tr(" then "));
    ShowProblemCount(calc);
    ShowScoreLine(calc);
    // A verdict standing in the title ("OK", "No") goes when the board's wait ends.
    if (calc.gs.TitleText == old_title) {
        calc.gs.TitleText = calc.Tr("Quorrel");
        calc.SetTitle(calc.gs.TitleText);
    }
}

}  // namespace quorrel
