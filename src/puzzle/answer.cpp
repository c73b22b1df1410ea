#include "puzzle/answer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "puzzle/move_math.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "shell/reward_book.h"
#include "spiro/draw_spiro.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// A clock that stood still (a broken time source) must not hold the window for ever; the waits
// also end on the millisecond count, with room to spare over their longest honest length.
constexpr uint64_t kRejectLimitMs = 1500;
// The wait mark may lie up to two seconds ahead of the clock, so an honest board wait is at most
// 4 s.
constexpr uint64_t kBoardWaitLimitMs = 4500;

float SecondsSince(Calc& calc, float mark) { return std::fabs(calc.Clock() - mark); }

int RemainingMs(float seconds_left) {
    return std::max(1, static_cast<int>(std::ceil(seconds_left * 1000.0f)));
}

bool Closing(Calc& calc) { return calc.loop.Closing() || calc.loop.Unloaded(); }

void Count(int32_t& counter) {
    if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

// "Good" or "Bad" followed by a random digit 0..4.
std::string Phrase(Calc& calc, const char* word) {
    return word + std::to_string(calc.rng.Below(5));
}

}  // namespace

void RejectClick(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.SoundLevel < 0) return;
    if (gs.SoundLevel > 0) {
        calc.SayWord("Aah");
        return;
    }
    Element& centre = calc.el(Name::Cent);
    centre.caption = "No";
    calc.DoEvents();  // so that "No" is on the screen during the second
    calc.loop.PresentNow();
    float mark = calc.Clock();
    // Deliberately deaf: clicks made during the second wait in the queue until it is over.
    uint64_t give_up = calc.platform.NowMs() + kRejectLimitMs;
    while (!Closing(calc) && calc.platform.NowMs() < give_up) {
        float gone = SecondsSince(calc, mark);
        if (gone >= 1.0f) break;
        calc.platform.Sleep(RemainingMs(1.0f - gone));
    }
    centre.caption = PlainNumberText(gs.TargetValue);
}

void BoardWait(Calc& calc) {
    GameState& gs = calc.gs;
    const Element& board = calc.el(Name::Floater);
    uint64_t give_up = calc.platform.NowMs() + kBoardWaitLimitMs;
    for (;;) {
        float gone = SecondsSince(calc, gs.board.wait_mark);
        if (gone >= 2.0f || Closing(calc) || calc.platform.NowMs() >= give_up) return;
        // With the board up the wait is one round of events; otherwise sleep until an event,
        // a timer or the end of the two seconds.
        if (board.visible)
            calc.DoEvents();
        else
            calc.loop.WaitAndPump(static_cast<uint64_t>(RemainingMs(2.0f - gone)));
        if (board.visible) gs.board.wait_mark = calc.Clock() + 5;
    }
}

void CorrectAnswer(Calc& calc) {
    GameState& gs = calc.gs;
    Element& strip = calc.el(Name::Hellf);
    if (strip.visible) {
        strip.visible = false;
        if (!gs.GiveReward) {
            calc.DoEvents();
            calc.EnableTimer(TimerId::TileBoy);
        }
    }
    if (Closing(calc)) return;

    Count(gs.Stats[static_cast<size_t>(std::clamp<int16_t>(gs.HintsUsed, 0, 3))]);
    RefreshScoreLine(calc);
    Count(gs.SolvedCount);

    if (gs.GiveReward) {
        if (RewardDue(gs.HintsUsed, gs.SolvedCount)) {
            calc.el(Name::Floater).visible = false;
            gs.LineThickness = 0;
            RewardFigure figure = RewardFigureFor(gs.DealtNumbers);
            // Written before the drawing, so that a figure cut short is in the book as well.
            AppendReward(RewardBookPath(gs.SettingsPath),
                         {figure.order, figure.angle, figure.left_turns, calc.platform.LocalTime(),
                          gs.HintsUsed});
            DrawSpiro(calc, figure.order, figure.angle, figure.left_turns);
            gs.board.wait_mark = calc.Clock();
            gs.RewardShown = kTrue;
        } else {
            calc.TileBackground();
        }
    }
    if (Closing(calc)) return;

    if (gs.SoundLevel == 1 || gs.SoundLevel >= 2) {
        SetUpPuzzle(calc, kTrue);
        if (Closing(calc)) return;
        calc.SayWord(gs.SoundLevel == 1 ? std::string("Good4") : Phrase(calc, "Good"));
    } else {
        calc.SetTitle("OK");
        calc.DoEvents();
        gs.board.wait_mark = calc.Clock();
        BoardWait(calc);
        if (Closing(calc)) return;
        SetUpPuzzle(calc, kTrue);
    }
    if (Closing(calc)) return;

    if (gs.RewardShown) {
        BoardWait(calc);
        if (Closing(calc)) return;
        calc.el(Name::Floater).visible = true;
    }
}

void WrongAnswer(Calc& calc) {
    GameState& gs = calc.gs;
    Count(gs.Stats[4]);
    calc.TileBackground();
    if (gs.SoundLevel == 1) {
        calc.SayWord("Bad4");
    } else if (gs.SoundLevel >= 2) {
        calc.SayWord(Phrase(calc, "Bad"));
    } else {
        calc.SetTitle("No");
        calc.DoEvents();
        gs.board.wait_mark = calc.Clock();
        BoardWait(calc);
    }
    if (Closing(calc)) return;
    SetUpPuzzle(calc, kFalse);
}

}  // namespace quorrel
