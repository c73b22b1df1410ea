// The window's event loop: input first, then due timer ticks, then a frame when the picture
// changed. Handlers may let pending events run from inside themselves (re-entrantly); a close
// request ends every pump and wait and unloads the window exactly once, when the outermost
// handler has returned.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "window/elements.h"
#include "window/image.h"
#include "window/platform.h"
#include "window/render/renderer.h"
#include "window/surface.h"
#include "window/timers.h"

namespace quorrel {

// The window's handlers, as the event loop delivers them.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void OnLoad() = 0;
    virtual void OnClick(int element_id) = 0;
    virtual void OnDblClick(int element_id) = 0;
    virtual void OnFormClick() = 0;
    virtual void OnKey(const InputEvent& /*key*/) {}
    virtual void OnResize() = 0;
    virtual void OnTimer(TimerId timer) = 0;
    virtual void OnUnload() = 0;
};

class EventLoop {
  public:
    EventLoop(Platform& platform, Elements& elements, TimerSet& timers, WindowSurface& surface);
    void SetHandlers(WindowEvents* handlers) { handlers_ = handlers; }

    // Runs the load event and shows the window.
    void Load();
    // Runs every pending input event, then every timer that has come due, then presents a
    // frame if the picture changed. Safe to call from inside a handler.
    void Pump();
    // Waits, sleeping, until input arrives, a timer comes due or max_ms pass; then pumps.
    void WaitAndPump(uint64_t max_ms);
    // The front end's main loop: pumps and sleeps until the window has been unloaded.
    void RunUntilClosed();
    // Handles one input event now (a driver command), as the pump would.
    void Deliver(const InputEvent& event);

    // The close box, or the program closing itself.
    void RequestClose();
    bool Closing() const { return closing_; }
    bool Unloaded() const { return unloaded_; }
    // True while any handler is running (the unload waits for them).
    bool InHandler() const { return handler_depth_ > 0; }
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
    template <typename F>
    void RunHandler(F&& handler);
    void RunTimers();
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
    int handler_depth_ = 0;
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
    std::array<bool, static_cast<size_t>(TimerId::Count)> ticking_{};
};

}  // namespace quorrel
