#include "puzzle/answer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "board/move_math.h"
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

void Count(int32_t& counter) {
    if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

// "Good" or "Bad": the fourth recording at the sound level "Some", a random one of five at "All".
Step SayVerdict(Calc& calc, const char* word) {
    std::string phrase = word + std::to_string(calc.gs.SoundLevel == 1 ? 4 : calc.rng.Below(5));
    co_await calc.SayWord(phrase);
}

// Without sounds the verdict stands in the title while the board waits.
Step ShowVerdict(Calc& calc, const char* title) {
    calc.SetTitle(std::string(calc.Tr(title)));
    co_await calc.DoEvents();
    calc.gs.board.wait_mark = calc.Clock();
    co_await BoardWait(calc);
}

}  // namespace

Step RejectClick(Calc& calc) {
    GameState& gs = calc.gs;
    if (gs.SoundLevel < 0) co_return;
    if (gs.SoundLevel > 0) {
        co_await calc.SayWord("Aah");
        co_return;
    }
    Element& centre = calc.el(Name::Cent);
    // TRANSLATORS: shown in the board's middle for a wrong move (57 x 43 px, 18 pt), in the title
    // for a wrong answer, and as a sound level and the reward's choice on the setup panel (47 x 18
    // px, 12 pt).
    centre.caption = N_("No");
    co_await calc.DoEvents();  // so that "No" is on the screen during the second
    calc.loop.PresentNow();
    float mark = calc.Clock();
    // Deliberately deaf: clicks made during the second wait in the queue until it is over.
    uint64_t give_up = calc.platform.NowMs() + kRejectLimitMs;
    while (calc.platform.NowMs() < give_up) {
        float gone = SecondsSince(calc, mark);
        if (gone >= 1.0f) break;
        co_await calc.loop.Sleep(RemainingMs(1.0f - gone));
    }
    centre.caption = PlainNumberText(gs.TargetValue);
}

Step BoardWait(Calc& calc) {
    GameState& gs = calc.gs;
    uint64_t give_up = calc.platform.NowMs() + kBoardWaitLimitMs;
    for (;;) {
        float gone = SecondsSince(calc, gs.board.wait_mark);
        if (gone >= 2.0f || calc.platform.NowMs() >= give_up) co_return;
        // With the board up the wait is one round of events; otherwise sleep until an event,
        // a timer or the end of the two seconds.
        if (calc.Screens().Shows(Screen::Board))
            co_await calc.DoEvents();
        else
            co_await calc.loop.WaitForEvents(static_cast<uint64_t>(RemainingMs(2.0f - gone)));
        if (calc.Screens().Shows(Screen::Board)) gs.board.wait_mark = calc.Clock() + 5;
    }
}

Step CorrectAnswer(Calc& calc) {
    GameState& gs = calc.gs;
    if (calc.Screens().Has(Overlay::Strip)) {
        calc.SetOverlay(Overlay::Strip, false);
        if (!gs.GiveReward) {
            co_await calc.DoEvents();
            calc.EnableTimer(TimerId::TileBoy);
        }
    }

    Count(gs.Stats[static_cast<size_t>(std::clamp<int16_t>(gs.HintsUsed, 0, 3))]);
    RefreshScoreLine(calc);
    Count(gs.SolvedCount);

    if (gs.GiveReward) {
        if (RewardDue(gs.HintsUsed, gs.SolvedCount)) {
            calc.HideScreen(Screen::Board);
            gs.LineThickness = 0;
            RewardFigure figure = RewardFigureFor(gs.DealtNumbers);
            // Written before the drawing, so that a figure cut short is in the book as well.
            AppendReward(RewardBookPath(gs.SettingsPath),
                         {figure.order, figure.angle, figure.left_turns, calc.platform.LocalTime(),
                          gs.HintsUsed});
            co_await DrawSpiro(calc, figure.order, figure.angle, figure.left_turns);
            gs.board.wait_mark = calc.Clock();
            gs.RewardShown = kTrue;
        } else {
            calc.TileBackground();
        }
    }

    if (gs.SoundLevel == 1 || gs.SoundLevel >= 2) {
        co_await SetUpPuzzle(calc, kTrue);
        co_await SayVerdict(calc, "Good");
    } else {
        co_await ShowVerdict(calc, N_("OK"));
        co_await SetUpPuzzle(calc, kTrue);
    }

    if (gs.RewardShown) {
        co_await BoardWait(calc);
        calc.ShowScreen(Screen::Board);
    }
}

Step WrongAnswer(Calc& calc) {
    GameState& gs = calc.gs;
    Count(gs.Stats[4]);
    calc.TileBackground();
    if (gs.SoundLevel == 1 || gs.SoundLevel >= 2)
        co_await SayVerdict(calc, "Bad");
    else
        co_await ShowVerdict(calc, N_("No"));
    co_await SetUpPuzzle(calc, kFalse);
}

}  // namespace quorrel
