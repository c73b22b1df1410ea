// The number and operator clicks: the board decides what a click does, and these show it, say
// it and, after a puzzle's third move, answer it.
#include "board/board.h"
#include "puzzle/answer.h"
#include "puzzle/move_words.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

bool IsBox(int16_t index) { return index >= 0 && index <= 3; }

// The learner record hears of a puzzle begun and of its verdict at the move that gives it,
// before anything the move lets run can deal another.
void RecordMove(Calc& calc, const Outcome& out) {
    LevelPlay& levels = calc.levels;
    if (out.what == Happened::Picked) levels.Touched();
    if (out.what != Happened::Solved && out.what != Happened::Wrong) return;
    levels.Ended(out.what == Happened::Solved ? PuzzleOutcome::kSolved : PuzzleOutcome::kWrong,
                 calc.gs.HintsUsed, static_cast<double>(calc.platform.NowMs()),
                 calc.platform.LocalTime());
}

Step ShowFirstNumber(Calc& calc, const Outcome& picked) {
    GameState& gs = calc.gs;
    calc.el(Name::Digit, picked.box).fore = colour::kRed;
    if (gs.SoundLevel >= 2)
        co_await calc.SayNumber(picked.first);
    else
        co_await calc.SayWord("Click1");
    if (gs.board.hint_label_used) calc.el(Name::HintL).visible = false;
    // TRANSLATORS: the board's bottom-left word once a move began: lay the puzzle out again (41 x
    // 17 px, 9 pt).
    calc.el(Name::But, kHintWord).caption = N_("Reset");
}

Step SpeakMove(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.SoundLevel == 1) {
        co_await calc.SayWord("Click1");
        co_return;
    }
    co_await calc.SayNumber(gs.SecondValue);
    co_await calc.SayWord("equals");
    if (HasOwnRecording(gs.ResultValue))
        co_await calc.SayWord(PlainNumberText(gs.ResultValue));
    else
        co_await calc.SayNumber(gs.ResultValue);
}

Step ShowMove(Calc& calc, const Outcome& move) {
    GameState& gs = calc.gs;
    calc.el(Name::Dig, gs.FirstIndex).visible = false;
    calc.el(Name::Op, move.op).visible = true;
    calc.el(Name::Op, move.op + 4).visible = false;
    Element& digit = calc.el(Name::Digit, move.box);
    digit.fore = colour::kBlack;
    digit.caption = PlainNumberText(move.result);

    if (gs.SoundLevel == 1 || gs.SoundLevel == 2) {
        const int16_t left = gs.NumbersLeft;
        gs.ClickLock = kTrue;
        co_await calc.DoEvents();
        calc.EnableTimer(TimerId::KlikOff);
        // The events let in here may have dealt or reset the board under this move; then its
        // words and its verdict belong to a board that is gone.
        if (gs.MoveState != 0 || gs.NumbersLeft != left) co_return;
        co_await SpeakMove(calc);
    }
    if (move.what == Happened::Solved)
        co_await CorrectAnswer(calc);
    else if (move.what == Happened::Wrong)
        co_await WrongAnswer(calc);
}

}  // namespace

Step Dig_Click(Calc& calc, int16_t Index) { return Digit_Click(calc, Index); }

Step Digit_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    calc.DisableTimer(TimerId::TileBoy);
    if (gs.ClickLock || !IsBox(Index)) co_return;
    Outcome out = Board(gs).PickNumber(Index);
    if (out.quotient) gs.Quotient = *out.quotient;
    RecordMove(calc, out);
    switch (out.what) {
        case Happened::Refused:  // the operator stays chosen: another second number may be tried
            co_await RejectClick(calc);
            break;
        case Happened::Picked:
            co_await ShowFirstNumber(calc, out);
            break;
        case Happened::Combined:
        case Happened::Solved:
        case Happened::Wrong:
            co_await ShowMove(calc, out);
            break;
        default:
            break;
    }
}

Step Op_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    if (gs.ClickLock || Index < 0 || Index > 7) co_return;
    const int16_t op = Index > 3 ? static_cast<int16_t>(Index - 4) : Index;  // a twin is its circle
    gs.OpClicked = op;
    Outcome out = Board(gs).ChooseOperator(op);
    if (out.what != Happened::OperatorChosen) {
        co_await RejectClick(calc);  // no first number yet, or this move's operator is chosen
        co_return;
    }
    calc.el(Name::Op, op).visible = false;
    calc.el(Name::Op, op + 4).visible = true;
    if (gs.SoundLevel == 1) co_await calc.SayWord("Click2");
    if (gs.SoundLevel == 2) co_await calc.SayWord(OperatorSoundName(op));
}

void KlikOff_Timer(Calc& calc) {
    calc.gs.ClickLock = kFalse;
    calc.DisableTimer(TimerId::KlikOff);
}

}  // namespace quorrel
