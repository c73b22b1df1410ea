// Loading the problems of the chosen target and groups, and dealing one onto the board.
#include <limits>

#include "puzzle/problem_file.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"
#include "window/bounded_file.h"

namespace quorrel {
namespace {

// ProblemCount is 16-bit; the list grows up to what it can count (the shipped files hold at
// most 500).
constexpr size_t kListLimit = std::numeric_limits<int16_t>::max();

}  // namespace

void LoadProblems(Calc& calc) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    el(Name::Cent).caption = PlainNumberText(gs.TargetValue);

    std::string path = calc.MediaFile(ProblemFileName(gs.TargetValue));

    std::vector<std::string> texts;
    std::string bytes;  // read-only: a missing file is never made
    if (!path.empty() && ReadFileBounded(path, kProblemFileMaxBytes, bytes))
        texts = ReadProblemTexts(bytes, gs.OperatorSetOn, kListLimit);
    gs.ProblemList.assign(1, std::string());  // entry 0 is not used
    gs.ProblemList.insert(gs.ProblemList.end(), texts.begin(), texts.end());
    gs.ProblemCount = static_cast<int16_t>(texts.size());

    gs.Stats.fill(0);
    el(Name::Probs).caption = NumberText(gs.ProblemCount) + " Problems";
    SetUpPuzzle(calc, kTrue);
}

void SetUpPuzzle(Calc& calc, int16_t NewPuzzle) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    if (gs.board.hint_label_used) el(Name::HintL).visible = false;

    if (NewPuzzle) {
        gs.HintsUsed = 0;
        gs.ProblemText.clear();
        if (gs.ProblemCount > 0 && static_cast<size_t>(gs.ProblemCount) < gs.ProblemList.size()) {
            gs.ProblemText =
                gs.ProblemList[static_cast<size_t>(calc.rng.Below(gs.ProblemCount)) + 1];
        }
        gs.ProblemText = WithDivisionSigns(gs.ProblemText);
        if (gs.ProblemText.empty()) {
            gs.Numbers.fill(kEmptied);
            gs.DealtNumbers.fill(kEmptied);
        } else {
            for (int i = 0; i < 4; ++i) gs.Numbers[i] = ProblemDigit(gs.ProblemText, i);
            for (int i = 0; i < 4; ++i) {
                int j;
                do {
                    j = calc.rng.Below(4);
                } while (gs.Numbers[j] == kEmptied);
                gs.DealtNumbers[i] = gs.Numbers[j];
                gs.Numbers[j] = kEmptied;
            }
        }
    }
    gs.Numbers = gs.DealtNumbers;

    // Without a dealt puzzle (no problems for this choice) the board shows no numbers, so no
    // move, reset or hint can act on one.
    bool dealt = !gs.ProblemText.empty();
    for (int i = 0; i < 4; ++i) {
        gs.Picked[i] = kFalse;
        Element& digit = el(Name::Digit, i);
        digit.caption = dealt ? PlainNumberText(gs.Numbers[i]) : std::string();
        digit.fore = colour::kBlack;
        el(Name::Dig, i).visible = dealt;
        el(Name::Op, i).visible = true;
        el(Name::Op, i + 4).visible = false;
    }
    gs.MoveState = 0;
    gs.NumbersLeft = dealt ? 4 : 0;
    gs.board.offers_reset = false;
    el(Name::But, kHintWord).caption = "Hint";
    el(Name::Cent).caption = PlainNumberText(gs.TargetValue);
    calc.DoEvents();
}

}  // namespace quorrel
