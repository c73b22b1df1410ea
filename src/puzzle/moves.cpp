// The number and operator clicks: a move is a first number, an operator and a second number.
#include "puzzle/answer.h"
#include "puzzle/move_math.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

bool IsBox(int16_t index) { return index >= 0 && index <= 3; }

void FirstNumber(Calc& calc, int16_t i) {
    GameState& gs = calc.gs;
    calc.el(Name::Digit, i).fore = colour::kRed;
    gs.Picked[i] = kTrue;
    if (gs.SoundLevel >= 2) {
        gs.SayNumber = gs.Numbers[i];
        calc.Say(1);
    } else {
        gs.SayName = "Click1";
        calc.Say(0);
    }
    gs.FirstValue = gs.Numbers[i];
    gs.FirstIndex = i;
    Element& hint = calc.el(Name::HintL);
    if (hint.fore != colour::kBlack) hint.visible = false;
    gs.MoveState = 1;
    calc.el(Name::But, 3).caption = "Reset";
}

void SpeakMove(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.SoundLevel == 1) {
        gs.SayName = "Click1";
        calc.Say(0);
        return;
    }
    gs.SayNumber = gs.SecondValue;
    calc.Say(1);
    gs.SayName = "equals";
    calc.Say(0);
    if (HasOwnRecording(gs.ResultValue)) {
        gs.SayName = PlainNumberText(gs.ResultValue);
        calc.Say(0);
    } else {
        gs.SayNumber = gs.ResultValue;
        calc.Say(1);
    }
}

void SecondNumber(Calc& calc, int16_t i) {
    GameState& gs = calc.gs;
    const int16_t n = gs.Numbers[i];
    std::optional<int16_t> result = CombineNumbers(gs.OpChosen, gs.FirstValue, n, gs.Quotient);
    if (!result || !IsBox(gs.FirstIndex)) {
        RejectClick(calc);  // the operator stays chosen: another second number may be tried
        return;
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
        calc.DoEvents();
        calc.EnableTimer(TimerId::KlikOff);
        // The events let in here may have closed the window, or dealt or reset the board under
        // this move; then its words and its verdict belong to a board that is gone.
        if (calc.loop.Closing() || gs.MoveState != 0 || gs.NumbersLeft != left) return;
        SpeakMove(calc);
    }

    if (left != 1) return;
    if (gs.ResultValue == gs.TargetValue)
        CorrectAnswer(calc);
    else
        WrongAnswer(calc);
}

}  // namespace

void Calc::Dig_Click(int16_t Index) { Digit_Click(Index); }

void Calc::Digit_Click(int16_t Index) {
    DisableTimer(TimerId::TileBoy);
    if (gs.ClickLock || !IsBox(Index)) return;
    if (gs.Numbers[Index] == kEmptied || gs.Picked[Index] || gs.MoveState == 1) {
        RejectClick(*this);
        return;
    }
    if (gs.MoveState == 0)
        FirstNumber(*this, Index);
    else if (gs.MoveState == 2)
        SecondNumber(*this, Index);
}

void Calc::Op_Click(int16_t Index) {
    if (gs.ClickLock || Index < 0 || Index > 7) return;
    gs.OpClicked = Index > 3 ? static_cast<int16_t>(Index - 4) : Index;
    if (gs.MoveState != 1) {
        RejectClick(*this);  // no first number yet, or the operator of this move is already chosen
        return;
    }
    gs.OpChosen = gs.OpClicked;
    el(Name::Op, gs.OpChosen).visible = false;
    el(Name::Op, gs.OpChosen + 4).visible = true;
    if (gs.SoundLevel == 1) gs.SayName = "Click2";
    if (gs.SoundLevel == 2) gs.SayName = OperatorSoundName(gs.OpChosen);
    gs.MoveState = 2;
    Say(0);
}

void Calc::KlikOff_Timer() {
    gs.ClickLock = kFalse;
    DisableTimer(TimerId::KlikOff);
}

}  // namespace quorrel
