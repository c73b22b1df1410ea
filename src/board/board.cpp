#include "board/board.h"

#include "board/hints.h"
#include "board/problem_file.h"
#include "state/convert.h"
#include "state/game_state.h"

namespace quorrel {
namespace {

bool IsBox(int16_t index) { return index >= 0 && index <= 3; }

Outcome Refuse(Refusal why) {
    Outcome out;
    out.what = Happened::Refused;
    out.why = why;
    return out;
}

}  // namespace

DealtProblem DealProblem(const std::vector<std::string>& list, int16_t count, Random& rng) {
    DealtProblem deal;
    if (count > 0 && static_cast<size_t>(count) < list.size())
        deal.problem_text = list[static_cast<size_t>(rng.Below(count)) + 1];
    deal.problem_text = WithDivisionSigns(deal.problem_text);
    if (deal.problem_text.empty()) {
        deal.numbers.fill(kEmptied);
        return deal;
    }
    std::array<int16_t, 4> digits;
    for (int i = 0; i < 4; ++i) digits[i] = ProblemDigit(deal.problem_text, i);
    // Each box takes a digit not yet taken, drawn until one is found: a uniform order.
    for (int i = 0; i < 4; ++i) {
        int j;
        do {
            j = rng.Below(4);
        } while (digits[j] == kEmptied);
        deal.numbers[i] = digits[j];
        digits[j] = kEmptied;
    }
    return deal;
}

Outcome Board::Deal(int16_t target, const std::vector<std::string>& list, int16_t count,
                    Random& rng) {
    v_.TargetValue = target;
    v_.HintsUsed = 0;
    DealtProblem deal = DealProblem(list, count, rng);
    v_.ProblemText = std::move(deal.problem_text);
    v_.DealtNumbers = deal.numbers;
    Reset();
    Outcome out;
    out.what = Happened::Dealt;
    return out;
}

Outcome Board::Reset() {
    v_.Numbers = v_.DealtNumbers;
    v_.Picked.fill(kFalse);
    v_.MoveState = 0;
    v_.NumbersLeft = dealt() ? 4 : 0;
    v_.offers_reset = false;
    Outcome out;
    out.what = Happened::Reset;
    return out;
}

Outcome Board::PickNumber(int16_t box) {
    if (!IsBox(box)) return {};
    const size_t i = static_cast<size_t>(box);
    if (v_.Numbers[i] == kEmptied) return Refuse(Refusal::EmptiedBox);
    if (v_.Picked[i]) return Refuse(Refusal::PickedBox);
    if (v_.MoveState == 1) return Refuse(Refusal::OperatorExpected);
    if (v_.MoveState == 2) return SecondNumber(box);

    v_.Picked[i] = kTrue;
    v_.FirstValue = v_.Numbers[i];
    v_.FirstIndex = box;
    v_.MoveState = 1;
    v_.offers_reset = true;
    Outcome out;
    out.what = Happened::Picked;
    out.box = box;
    out.first = v_.FirstValue;
    return out;
}

Outcome Board::SecondNumber(int16_t box) {
    const int16_t n = v_.Numbers[static_cast<size_t>(box)];
    Combination c = Combine(v_.OpChosen, v_.FirstValue, n);
    if (c.refusal != Refusal::None) {
        Outcome out = Refuse(c.refusal);  // the operator stays chosen for another try
        out.quotient = c.quotient;
        return out;
    }
    v_.ResultValue = c.result;
    v_.Numbers[static_cast<size_t>(v_.FirstIndex)] = kEmptied;
    v_.SecondValue = n;
    v_.Numbers[static_cast<size_t>(box)] = c.result;
    v_.MoveState = 0;
    --v_.NumbersLeft;

    Outcome out;
    out.what = Happened::Combined;
    if (v_.NumbersLeft == 1)
        out.what = c.result == v_.TargetValue ? Happened::Solved : Happened::Wrong;
    out.box = box;
    out.op = v_.OpChosen;
    out.first = v_.FirstValue;
    out.second = n;
    out.result = c.result;
    out.quotient = c.quotient;
    if (out.what == Happened::Solved) out.hints_used = v_.HintsUsed;
    return out;
}

Outcome Board::ChooseOperator(int16_t op) {
    if (op < kAdd || op > kDivide) return {};
    if (v_.MoveState == 0) return Refuse(Refusal::NumberExpected);
    if (v_.MoveState == 2) return Refuse(Refusal::OperatorAlreadyChosen);
    v_.OpChosen = op;
    v_.MoveState = 2;
    Outcome out;
    out.what = Happened::OperatorChosen;
    out.op = op;
    return out;
}

Outcome Board::Hint() {
    if (v_.offers_reset) return Reset();
    if (!dealt()) return {};
    if (v_.MoveState != 0) Reset();
    if (v_.HintsUsed < 3) ++v_.HintsUsed;
    Outcome out;
    out.what = Happened::Hinted;
    out.hints_used = v_.HintsUsed;
    out.hint = HintCaption(v_.ProblemText, v_.HintsUsed);
    return out;
}

}  // namespace quorrel
