#include "window/event_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

// Records what the loop delivers; a test can hook a handler to act inside it.
struct Recorder : WindowEvents {
    std::vector<std::string> log;
    std::function<void(const std::string&)> inside;
    Elements* el = nullptr;
    void Note(const std::string& what) {
        log.push_back(what);
        if (inside) inside(what);
    }
    void OnLoad() override { Note("load"); }
    void OnClick(int id) override { Note("click " + FullName(el->At(id))); }
    void OnDblClick(int id) override { Note("dblclick " + FullName(el->At(id))); }
    void OnFormClick() override { Note("form"); }
    void OnResize() override { Note("resize"); }
    void OnTimer(TimerId t) override { Note(std::string("tick ") + TimerName(t)); }
    void OnUnload() override { Note("unload"); }
};

struct EventLoopTest : ::testing::Test {
    HeadlessPlatform platform{HeadlessOptions{}};
    Elements el;
    TimerSet timers{0};
    WindowSurface surface;
    EventLoop loop{platform, el, timers, surface};
    Recorder rec;
    void SetUp() override {
        rec.el = &el;
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

TEST_F(EventLoopTest, CloseInsideANestedPumpUnloadsOnceAfterTheHandler) {
    bool pump_returned_closing = false;
    rec.inside = [&](const std::string& what) {
        if (what != "click Digit(1)") return;
        platform.Queue({InputEvent::Type::Close});
        platform.Queue(ClickOn(Name::Digit, 3));  // must never be delivered
        loop.Pump();
        pump_returned_closing = loop.Closing() && !loop.Unloaded();
        rec.log.push_back("handler ends");
    };
    platform.Queue(ClickOn(Name::Digit, 1));
    loop.Pump();
    EXPECT_TRUE(pump_returned_closing);
    EXPECT_TRUE(loop.Unloaded());
    EXPECT_EQ(rec.log, (std::vector<std::string>{"click Digit(1)", "handler ends", "unload"}));
    loop.Deliver({InputEvent::Type::Close});  // nothing runs after the unload
    EXPECT_EQ(rec.log.size(), 3u);
}

TEST_F(EventLoopTest, ATimerIsNotTickedInsideItsOwnHandler) {
    timers.Enable(TimerId::TileBoy, 0);
    int depth = 0;
    rec.inside = [&](const std::string& what) {
        if (what != "tick TileBoy" || depth++ > 3) return;
        platform.Advance(2000);
        loop.Pump();
    };
    platform.Advance(600);
    loop.Pump();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"tick TileBoy"}));
}

TEST_F(EventLoopTest, AWaitInsideATimerHandlerSleepsPastItsOwnDueTime) {
    timers.Enable(TimerId::TileBoy, 0);  // due 500
    uint64_t waited_until = 0;
    rec.inside = [&](const std::string& what) {
        if (what != "tick TileBoy" || waited_until) return;
        platform.Advance(600);  // the timer is due again while its handler still runs
        loop.WaitAndPump(1000);
        waited_until = platform.NowMs();
    };
    platform.Advance(500);
    loop.Pump();
    EXPECT_EQ(waited_until, 2100u);
}

}  // namespace
}  // namespace quorrel
