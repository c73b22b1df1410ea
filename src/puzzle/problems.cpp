// Loading the problems of the chosen target and groups, and dealing one onto the board.
#include <limits>

#include "board/board.h"
#include "board/problem_file.h"
#include "files/bounded_file.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// ProblemCount is 16-bit; the list grows up to what it can count (the shipped files hold at
// most 500).
constexpr size_t kListLimit = std::numeric_limits<int16_t>::max();

}  // namespace

Step LoadProblems(Calc& calc) {
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

    calc.levels.ListLoaded(gs.ProblemList, gs.ProblemCount, gs.TargetValue);
    gs.Stats.fill(0);
    ShowProblemCount(calc);
    co_await SetUpPuzzle(calc, kTrue);
}

void ShowProblemCount(Calc& calc) {
    // TRANSLATORS: the setup panel, under the operator boxes (113 x 17 px, 8 pt); %s is the
    // number of puzzles with a blank before it, up to " 500". A form without plural endings
    // ("Puzzles: 237") suits languages whose noun follows the number.
    std::string_view pattern = calc.Tr("%s Problems");
    calc.el(Name::Probs).caption = FormatText(pattern, {NumberText(calc.gs.ProblemCount)});
}

Step SetUpPuzzle(Calc& calc, int16_t NewPuzzle) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    if (gs.board.hint_label_used) el(Name::HintL).visible = false;
    Board board(gs);
    if (NewPuzzle) {
        LevelPlay& levels = calc.levels;
        levels.Replaced(gs.HintsUsed, static_cast<double>(calc.platform.NowMs()),
                        calc.platform.LocalTime());
        int16_t count = 0;
        const std::vector<std::string>& list =
            levels.DealingList(gs.ProblemList, gs.ProblemCount, calc.rng, count);
        board.Deal(gs.TargetValue, list, count, calc.rng);
        levels.Dealt(gs.DealtNumbers, gs.TargetValue, static_cast<double>(calc.platform.NowMs()));
    } else {
        board.Reset();
    }

    // Without a dealt puzzle (no problems for this choice) the board shows no numbers, so no
    // move, reset or hint can act on one.
    bool dealt = board.dealt();
    for (int i = 0; i < 4; ++i) {
        Element& digit = el(Name::Digit, i);
        digit.caption = dealt ? PlainNumberText(gs.Numbers[i]) : std::string();
        digit.fore = colour::kBlack;
        el(Name::Dig, i).visible = dealt;
        el(Name::Op, i).visible = true;
        el(Name::Op, i + 4).visible = false;
    }
    // TRANSLATORS: the board's bottom-left word after a reset (41 x 17 px, 9 pt); no blanks here.
    el(Name::But, kHintWord).caption = N_("Hint");
    el(Name::Cent).caption = PlainNumberText(gs.TargetValue);
    co_await calc.DoEvents();
}

}  // namespace quorrel
