// A puzzle's rules as values: deal, pick a number, choose an operator, combine, hint, reset and
// the verdict after the third move. Every operation returns what happened; how it is shown,
// spoken or timed is the caller's business.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "board/move_math.h"
#include "state/board_values.h"
#include "state/random.h"

namespace quorrel {

// A problem drawn from a list: its text, with divisions written with the division sign, and
// its four numbers in the boxes they were shuffled into. No text and four emptied boxes when
// there was nothing to deal.
struct DealtProblem {
    std::string problem_text;
    std::array<int16_t, 4> numbers{};
};

// Draws one of the first count problems of list (entry 0 unused) and shuffles its numbers into
// the four boxes. Takes one random number for the problem and one for every box tried; none
// when there is nothing to deal.
DealtProblem DealProblem(const std::vector<std::string>& list, int16_t count, Random& rng);

enum class Happened : uint8_t {
    Ignored,  // no such box or operator, or no puzzle to hint at: not even a refusal
    Refused,
    Picked,  // the first number of a move
    OperatorChosen,
    Combined,  // a move made; the puzzle goes on
    Solved,    // the third move reached the target
    Wrong,     // the third move missed it
    Hinted,
    Reset,
    Dealt,
};

struct Outcome {
    Happened what = Happened::Ignored;
    Refusal why = Refusal::None;  // when refused
    // The box picked, or the one that took a move's result.
    int16_t box = 0;
    // A move: first op second = result (also with Solved and Wrong); op alone when chosen.
    int16_t op = 0;
    int16_t first = 0, second = 0, result = 0;
    std::optional<float> quotient;  // a division tried, accepted or not
    int16_t hints_used = 0;         // with Solved and Hinted
    std::string hint;               // the hint's text
    bool operator==(const Outcome&) const = default;
};

// The target answers the setup panel offers, box by box.
inline constexpr std::array<int16_t, 10> kTargetChoices = {0, 6, 12, 15, 18, 24, 30, 36, 42, 48};

// The rules over a board's values, which the caller keeps (the game keeps them in its state).
class Board {
  public:
    explicit Board(BoardValues& values) : v_(values) {}
    const BoardValues& values() const { return v_; }
    bool dealt() const { return !v_.ProblemText.empty(); }

    // A new puzzle for target from the problem list (as DealProblem takes it); no hints taken.
    Outcome Deal(int16_t target, const std::vector<std::string>& list, int16_t count, Random& rng);
    // The dealt numbers laid out again; the hints taken stay.
    Outcome Reset();
    // A number box 0..3: the first number of a move, or its second, which makes the move.
    Outcome PickNumber(int16_t box);
    // An operator 0..3 (MoveOperator) for the move whose first number is chosen.
    Outcome ChooseOperator(int16_t op);
    // The hint word: a reset while it offers one, else the next hint (at most three are
    // counted), after undoing a half-made move.
    Outcome Hint();

  private:
    Outcome SecondNumber(int16_t box);

    BoardValues& v_;
};

}  // namespace quorrel
