// The number and operator clicks: a move is a first number, an operator and a second number.
#include "puzzle/answer.h"
#include "puzzle/move_math.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

bool IsBox(int16_t index) { return index >= 0 && index <= 3; }

Step FirstNumber(Calc& calc, int16_t i) {
    GameState& gs = calc.gs;
    calc.el(Name::Digit, i).fore = colour::kRed;
    gs.Picked[i] = kTrue;
    if (gs.SoundLevel >= 2)
        co_await calc.SayNumber(gs.Numbers[i]);
    else
        co_await calc.SayWord("Click1");
    gs.FirstValue = gs.Numbers[i];
    gs.FirstIndex = i;
    if (gs.board.hint_label_used) calc.el(Name::HintL).visible = false;
    gs.MoveState = 1;
    gs.board.offers_reset = true;
    calc.el(Name::But, kHintWord).caption = "Reset";
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

Step SecondNumber(Calc& calc, int16_t i) {
    GameState& gs = calc.gs;
    const int16_t n = gs.Numbers[i];
    std::optional<int16_t> result = CombineNumbers(gs.OpChosen, gs.FirstValue, n, gs.Quotient);
    if (!result || !IsBox(gs.FirstIndex)) {
        co_await RejectClick(
            calc);  // the operator stays chosen: another second number may be tried
        co_return;
    }
    gs.ResultValue = *result;
    calc.el(Name::Dig, gs.FirstIndex).visible = false;
    gs.Numbers[gs.FirstIndex] = kEmptied;
    calc.el(Name::Op, gs.OpChosen).visible = true;
    calc.el(Name::Op, gs.OpChosen + 4).visible = false;
    gs.SecondValue = n;
    Element& digit = calc.el(Name::Digit, i);
    digit.fore = colour::kBlack;
    digit.caption = PlainNumberText(*result);
    gs.Numbers[i] = *result;

    // The board is whole again before any event can run: a Reset or a deal let in by the
    // feedback below then finds a finished move to undo, never a half-made one.
    gs.MoveState = 0;
    gs.NumbersLeft = static_cast<int16_t>(gs.NumbersLeft - 1);
    const int16_t left = gs.NumbersLeft;

    if (gs.SoundLevel == 1 || gs.SoundLevel == 2) {
        gs.ClickLock = kTrue;
        co_await calc.DoEvents();
        calc.EnableTimer(TimerId::KlikOff);
        // The events let in here may have dealt or reset the board under this move; then its
        // words and its verdict belong to a board that is gone.
        if (gs.MoveState != 0 || gs.NumbersLeft != left) co_return;
        co_await SpeakMove(calc);
    }

    if (left != 1) co_return;
    if (gs.ResultValue == gs.TargetValue)
        co_await CorrectAnswer(calc);
    else
        co_await WrongAnswer(calc);
}

}  // namespace

Step Dig_Click(Calc& calc, int16_t Index) { return Digit_Click(calc, Index); }

Step Digit_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    calc.DisableTimer(TimerId::TileBoy);
    if (gs.ClickLock || !IsBox(Index)) co_return;
    if (gs.Numbers[Index] == kEmptied || gs.Picked[Index] || gs.MoveState == 1) {
        co_await RejectClick(calc);
        co_return;
    }
    if (gs.MoveState == 0)
        co_await FirstNumber(calc, Index);
    else if (gs.MoveState == 2)
        co_await SecondNumber(calc, Index);
}

Step Op_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    if (gs.ClickLock || Index < 0 || Index > 7) co_return;
    const int16_t op = Index > 3 ? static_cast<int16_t>(Index - 4) : Index;  // a twin is its circle
    gs.OpClicked = op;
    if (gs.MoveState != 1) {
        co_await RejectClick(
            calc);  // no first number yet, or the operator of this move is already chosen
        co_return;
    }
    gs.OpChosen = op;
    calc.el(Name::Op, gs.OpChosen).visible = false;
    calc.el(Name::Op, gs.OpChosen + 4).visible = true;
    gs.MoveState = 2;
    if (gs.SoundLevel == 1) co_await calc.SayWord("Click2");
    if (gs.SoundLevel == 2) co_await calc.SayWord(OperatorSoundName(gs.OpChosen));
}

void KlikOff_Timer(Calc& calc) {
    calc.gs.ClickLock = kFalse;
    calc.DisableTimer(TimerId::KlikOff);
}

}  // namespace quorrel
