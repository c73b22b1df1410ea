// How long the spirolateral engine keeps the window busy: the longest figure a reward can
// deal, its measuring pass, and what one event pump costs when nothing is pending.
//   spiro_bench [repeats]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "shell/calc.h"
#include "spiro/draw_spiro.h"
#include "spiro/spiro_engine.h"
#include "spiro/spiro_walk.h"

namespace quorrel {
namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The reward's figure for four dealt numbers.
SpiroRequest Reward(int d0, int d1, int d2, int d3) {
    return {static_cast<int16_t>(d0 + 3 * d1 + 4), static_cast<int16_t>(9 * d2),
            static_cast<int16_t>(d3)};
}

// The engine on the real window object, timed until its measuring pass ends.
class MeasuringCanvas : public SpiroCanvas {
  public:
    explicit MeasuringCanvas(Calc& calc) : calc_(calc) {}
    double measured_ms = -1;
    long pumps = 0;
    Clock::time_point start = Clock::now();

    int InnerWidth() override { return calc_.platform.InnerWidth(); }
    int InnerHeight() override { return calc_.platform.InnerHeight(); }
    bool NormalState() override { return true; }
    void ClearBackground() override { measured_ms = MsSince(start); }
    void Line(double, double, double, double, int) override {}
    Step Pump() override {
        ++pumps;
        return calc_.DoEvents();
    }
    Interruption Interrupted() override {
        return measured_ms >= 0 ? Interruption::Stop : Interruption::None;
    }
    uint64_t NowMs() override { return calc_.platform.NowMs(); }
    Step Sleep(int) override { return {}; }

  private:
    Calc& calc_;
};

void DisableTimers(Calc& calc) {
    for (TimerId t : {TimerId::FirstUp, TimerId::LastUp, TimerId::KlikOff, TimerId::TileBoy})
        calc.DisableTimer(t);
}

int Main(int repeats) {
    // 1. Every reward the dealer can give, measured by the walker alone.
    auto sweep_start = Clock::now();
    SpiroRequest longest{};
    SpiroMeasure longest_measure{};
    int raised = 0, capped = 0;
    for (int d0 = 0; d0 <= 9; ++d0)
        for (int d1 = 0; d1 <= 9; ++d1)
            for (int d2 = 0; d2 <= 9; ++d2)
                for (int d3 = 0; d3 <= 9; ++d3) {
                    SpiroRequest r = Reward(d0, d1, d2, d3);
                    GameState gs;  // MakerMode false: a drifting reward gets a larger order
                    SpiroMeasure m = MeasureSpiro(gs, r);
                    if (m.figures > 1) ++raised;
                    if (m.segments == 360 * int64_t{m.order} + 1) ++capped;
                    if (m.total_segments > longest_measure.total_segments) {
                        longest = r;
                        longest_measure = m;
                    }
                }
    double sweep_ms = MsSince(sweep_start);

    // 2. Its measuring pass: the walk alone, and as the engine runs it, a pump per segment.
    double walk_ms = 1e300;
    for (int i = 0; i < repeats; ++i) {
        GameState gs;
        auto start = Clock::now();
        MeasureSpiro(gs, longest);
        walk_ms = std::min(walk_ms, MsSince(start));
    }
    HeadlessPlatform platform{HeadlessOptions{}};
    Calc calc(platform, MakeGameHooks, 1);
    DisableTimers(calc);
    double engine_ms = 1e300;
    long pumps = 0;
    for (int i = 0; i < repeats; ++i) {
        MeasuringCanvas canvas(calc);
        RunSpiroAtOnce(calc.gs, canvas, longest);
        engine_ms = std::min(engine_ms, canvas.measured_ms);
        pumps = canvas.pumps - 1;  // the last one came after the first drawn segment
    }

    // 3. One pump with nothing pending.
    const long kPumps = 1000000;
    double pump_ns = 1e300;
    for (int i = 0; i < repeats; ++i) {
        auto start = Clock::now();
        for (long p = 0; p < kPumps; ++p) calc.loop.Pump();
        pump_ns = std::min(pump_ns, MsSince(start) * 1e6 / kPumps);
    }

    // 4. The whole drawing of that figure on the headless window (the pace is virtual time).
    calc.el(Name::Floater).visible = false;
    calc.el(Name::Spirom).visible = false;
    uint64_t virtual_start = platform.NowMs();
    auto draw_start = Clock::now();
    calc.loop.Run(DrawSpiro(calc, longest.order, longest.angle, longest.left_turns));
    double draw_ms = MsSince(draw_start);
    uint64_t virtual_ms = platform.NowMs() - virtual_start;

    std::printf("%-46s %s\n", "measure", "value");
    std::printf("%-46s %.1f ms (%d raised, %d at 360 cycles)\n",
                "sweep of 10^4 rewards (walker only)", sweep_ms, raised, capped);
    std::printf("%-46s %d/%d/%d, order %d, %lld segments in %d figures\n",
                "longest reward measuring pass", longest.order, longest.angle, longest.left_turns,
                longest_measure.order, static_cast<long long>(longest_measure.total_segments),
                longest_measure.figures);
    std::printf("%-46s %.3f ms\n", "  its walk alone", walk_ms);
    std::printf("%-46s %.3f ms (%ld pumps)\n", "  as the engine runs it, headless window",
                engine_ms, pumps);
    std::printf("%-46s %.1f ns\n", "one DoEvents() with nothing pending", pump_ns);
    std::printf("%-46s %.1f ms wall, %llu ms virtual (%lld lines)\n",
                "whole drawing of it, normal window", draw_ms,
                static_cast<unsigned long long>(virtual_ms),
                static_cast<long long>(longest_measure.segments));
    return 0;
}

}  // namespace
}  // namespace quorrel

int main(int argc, char** argv) {
    int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    return quorrel::Main(repeats);
}
