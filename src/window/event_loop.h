// The window's event loop: input first, then due timer ticks, then a frame when the picture
// changed. Every handler is a step (window/step.h): it runs until it waits for a sound, for
// time or for queued input to run, and the loop advances it from there; input that arrives
// meanwhile stays queued until the step lets it run or ends. A close request abandons the steps
// in progress and unloads the window exactly once.
#pragma once

#include <coroutine>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/elements.h"
#include "window/image.h"
#include "window/platform.h"
#include "window/render/renderer.h"
#include "window/step.h"
#include "window/surface.h"
#include "window/timers.h"

namespace quorrel {

// The window's handlers, as the event loop delivers them.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual Step OnLoad() = 0;
    virtual Step OnClick(int element_id) = 0;
    virtual Step OnDblClick(int element_id) = 0;
    virtual Step OnFormClick() = 0;
    virtual Step OnKey(InputEvent key) = 0;
    // The mouse wheel turned by notches (see InputEvent::wheel); nothing scrolls by default.
    virtual Step OnWheel(int /*notches*/) { return {}; }
    virtual Step OnResize() = 0;
    virtual Step OnTimer(TimerId timer) = 0;
    virtual void OnUnload() = 0;
};

class EventLoop {
  public:
    EventLoop(Platform& platform, Elements& elements, TimerSet& timers, WindowSurface& surface);
    void SetHandlers(WindowEvents* handlers) { handlers_ = handlers; }

    // --- The front end's side: each runs the steps it starts to their end. Never from a step.
    // Runs the load event and shows the window.
    void Load();
    // Runs every pending input event, then every timer that has come due, then presents a
    // frame if the picture changed.
    void Pump();
    // Waits, sleeping, until input arrives, a timer comes due or max_ms pass; then pumps.
    void WaitAndPump(uint64_t max_ms);
    // The front end's main loop: pumps and sleeps until the window has been unloaded.
    void RunUntilClosed();
    // Handles one input event now (a driver command), as the pump would.
    void Deliver(const InputEvent& event);
    // Runs a step to its end, waiting for what it waits for; a close request abandons it.
    void Run(Step step);
    // The same without blocking, for a front end that must return to its host between steps (a
    // browser): Begin starts a step, and Advance goes on with it once the front end has seen
    // its wait end (the moment came, or input arrived where it waits for input). Each returns
    // what the step waits for next, or nothing once it has ended; one step runs at a time.
    struct Pending {
        bool input = false;  // input ends the wait too
        uint64_t deadline = 0;
    };
    std::optional<Pending> Begin(Step step);
    std::optional<Pending> Advance();

    // --- A step's side: what it may wait for.
    // Lets the queued input, the due timers and a changed frame run, as Pump does.
    Step LetEventsRun();
    // Waits until input arrives, a timer comes due or max_ms pass; then lets events run.
    Step WaitForEvents(uint64_t max_ms);
    // Waits ms without letting any event run: input made meanwhile stays queued.
    Step Sleep(int ms);
    // Plays a sound and waits, as deaf as Sleep, until it has been heard to its end.
    Step PlayWave(std::string sound_name, std::string path);

    // When no step runs: the moment the loop next has work without new input (a timer comes
    // due, or a frame held back to the frame rate), UINT64_MAX when none, so that a browser
    // front end schedules nothing while the game is idle.
    uint64_t NextWake() const;

    // The close box, or the program closing itself.
    void RequestClose();
    bool Unloaded() const { return unloaded_; }
    // How deeply event handling is nested on the call stack now, and the deepest it has been:
    // steps wait in the loop, not inside one another, so it never goes past 1.
    int Depth() const { return depth_; }
    int DepthMax() const { return depth_max_; }
    // Marks the picture as changed so that the next pump presents a frame.
    void Invalidate() { dirty_ = true; }
    // Presents the picture now if it changed, even within a frame time of the last one: for a
    // handler that is about to hold the screen still (a wait without events, a sound). Runs no
    // event.
    void PresentNow();
    // Renders and presents the picture as it stands, changed or not, even after the unload
    // (the driver's screenshot).
    void Redraw();

  private:
    // What the step in progress waits for; the loop resumes it when that is over.
    struct Wait {
        enum class Kind : uint8_t { None, Sleep, Input, Forever } kind = Kind::None;
        uint64_t deadline = 0;
        std::coroutine_handle<> resume{};
    };
    struct WaitAwaiter {
        EventLoop& loop;
        Wait wait;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) noexcept {
            loop.wait_ = wait;
            loop.wait_.resume = handle;
        }
        void await_resume() const noexcept {}
    };
    // Runs the step in progress (or resumes what waited) until it waits again or ends.
    template <typename F>
    std::optional<Pending> Resume(F&& resume);
    Step DeliverStep(InputEvent event);
    Step RunTimers();
    // The earliest due time of a timer that can tick now: one whose handler is running (and
    // let events run) is left out, or a wait inside that handler would never sleep.
    uint64_t NextTimerDue() const;
    void PresentIfChanged();
    // Whether the window would look different from the frame presented last: the surface was
    // drawn on, an element or the window's colour changed, or a caller invalidated it.
    bool PictureChanged() const;
    void ShowAndPresent();
    void RenderAndPresent();
    void FinishClose();

    Platform& platform_;
    Elements& elements_;
    TimerSet& timers_;
    WindowSurface& surface_;
    WindowEvents* handlers_ = nullptr;
    Step running_;
    Wait wait_;
    int depth_ = 0, depth_max_ = 0;
    bool closing_ = false;
    bool unloaded_ = false;
    bool dirty_ = true;
    bool shown_ = false;
    unsigned presented_surface_version_ = ~0u;
    // The elements as they stood in the frame presented last.
    std::vector<Element> presented_elements_;
    uint32_t presented_back_ = 0;
    double presented_scale_ = 0;
    Elements::KeyFocus presented_focus_;
    uint64_t last_present_ = 0;
    Renderer renderer_;
    Image frame_;
    uint32_t ticking_ = 0;  // a bit per timer whose handler is running
};

}  // namespace quorrel
