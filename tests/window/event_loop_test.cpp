#include "window/event_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "screens/calc_elements.h"
#include "screens/timers.h"

namespace quorrel {
namespace {

// Records what the loop delivers; a test can hook a step to run inside a handler.
struct Recorder : WindowEvents {
    std::vector<std::string> log;
    std::function<Step(const std::string&)> inside;
    Elements* el = nullptr;
    TimerSet* timers = nullptr;
    Step Note(std::string what) {
        log.push_back(what);
        if (inside) co_await inside(what);
    }
    Step OnLoad() override { return Note("load"); }
    Step OnClick(int id) override { return Note("click " + el->FullName(el->At(id))); }
    Step OnDblClick(int id) override { return Note("dblclick " + el->FullName(el->At(id))); }
    Step OnFormClick() override { return Note("form"); }
    Step OnKey(InputEvent key) override { return Note("key " + key.key); }
    Step OnResize() override { return Note("resize"); }
    Step OnTimer(TimerId t) override { return Note("tick " + timers->Name(t)); }
    void OnUnload() override { log.push_back("unload"); }
};

struct EventLoopTest : ::testing::Test {
    HeadlessPlatform platform{HeadlessOptions{}};
    Elements el{CalcElementTable()};
    TimerSet timers{CalcTimerTable(), 0};
    WindowSurface surface;
    EventLoop loop{platform, el, timers, surface};
    Recorder rec;
    void SetUp() override {
        rec.el = &el;
        rec.timers = &timers;
        loop.SetHandlers(&rec);
        el(Name::Floater).visible = true;
        timers.Disable(TimerId::FirstUp);
        timers.Disable(TimerId::TileBoy);
    }
    InputEvent ClickOn(Name name, int index = -1) {
        InputEvent e;
        e.element = el.Id(el(name, index));
        return e;
    }
};

// Queued input before due timers; a late timer ticks once; timers in the order they came due.
TEST_F(EventLoopTest, InputFirstThenEachDueTimerOnceInOrder) {
    timers.Enable(TimerId::TileBoy, 0);    // due 500
    timers.Enable(TimerId::KlikOff, 100);  // due 400
    platform.Advance(5000);
    platform.Queue(ClickOn(Name::Digit, 2));
    loop.Pump();
    loop.Pump();
    EXPECT_EQ(rec.log,
              (std::vector<std::string>{"click Digit(2)", "tick KlikOff", "tick TileBoy"}));
}

// A close let in by a handler ends that handler and every one around it, then unloads once.
TEST_F(EventLoopTest, CloseLetInByAHandlerAbandonsItAndUnloadsOnce) {
    rec.inside = [&](const std::string& what) -> Step {
        if (what != "click Digit(1)") co_return;
        platform.Queue({InputEvent::Type::Close});
        platform.Queue(ClickOn(Name::Digit, 3));  // must never be delivered
        co_await loop.LetEventsRun();
        rec.log.push_back("handler goes on");
    };
    platform.Queue(ClickOn(Name::Digit, 1));
    loop.Pump();
    EXPECT_TRUE(loop.Unloaded());
    EXPECT_EQ(rec.log, (std::vector<std::string>{"click Digit(1)", "unload"}));
    loop.Deliver({InputEvent::Type::Close});  // nothing runs after the unload
    EXPECT_EQ(rec.log.size(), 2u);
}

// A timer is not ticked again inside its own handler, and a wait there sleeps past its due time.
TEST_F(EventLoopTest, AWaitInsideATimerHandlerSleepsPastItsOwnDueTime) {
    timers.Enable(TimerId::TileBoy, 0);  // due 500
    uint64_t waited_until = 0;
    rec.inside = [&](const std::string& what) -> Step {
        if (what != "tick TileBoy" || waited_until) co_return;
        platform.Advance(600);  // the timer is due again while its handler still runs
        co_await loop.WaitForEvents(1000);
        waited_until = platform.NowMs();
    };
    platform.Advance(500);
    loop.Pump();
    EXPECT_EQ(waited_until, 2100u);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"tick TileBoy"}));
}

// Input queued while a handler waits on a sound or a sleep waits until the handler lets it in.
TEST_F(EventLoopTest, InputWaitsForSoundsAndSleepsAndRunsWhereTheHandlerLetsItIn) {
    std::vector<std::string> seen;
    rec.inside = [&](const std::string& what) -> Step {
        if (what != "click Digit(1)") co_return;
        platform.Queue(ClickOn(Name::Digit, 2));
        co_await loop.PlayWave("One", "");
        co_await loop.Sleep(300);
        seen.push_back("slept, log " + std::to_string(rec.log.size()));
        co_await loop.LetEventsRun();
        seen.push_back("let in, log " + std::to_string(rec.log.size()));
    };
    platform.Queue(ClickOn(Name::Digit, 1));
    auto pending = loop.Begin(loop.LetEventsRun());
    ASSERT_TRUE(pending && !pending->input);
    platform.Advance(pending->deadline - platform.NowMs());  // a silent sound ends at once
    pending = loop.Advance();
    ASSERT_TRUE(pending && !pending->input && pending->deadline == 300);
    platform.Advance(300);
    EXPECT_FALSE(loop.Advance());
    EXPECT_EQ(seen, (std::vector<std::string>{"slept, log 1", "let in, log 2"}));
    EXPECT_EQ(platform.NowMs(), 300u);
    EXPECT_EQ(platform.TakeEvents(), std::vector<std::string>{"sound One"});
    EXPECT_EQ(loop.DepthMax(), 1);
    EXPECT_EQ(loop.Depth(), 0);
}

// Steps that end at once (a drawing's event rounds) do not pile up on the stack.
TEST_F(EventLoopTest, StepsThatEndAtOnceRunInConstantStack) {
    int rounds = 0;
    rec.inside = [&](const std::string&) -> Step {
        for (; rounds < 300000; ++rounds) co_await loop.LetEventsRun();
    };
    platform.Queue(ClickOn(Name::Digit, 1));
    loop.Pump();
    EXPECT_EQ(rounds, 300000);
}

}  // namespace
}  // namespace quorrel
