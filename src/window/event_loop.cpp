#include "window/event_loop.h"

#include <algorithm>
#include <utility>

namespace quorrel {
namespace {
constexpr uint64_t kFrameMs = 16;
}

EventLoop::EventLoop(Platform& platform, Elements& elements, TimerSet& timers,
                     WindowSurface& surface)
    : platform_(platform), elements_(elements), timers_(timers), surface_(surface) {}

void EventLoop::Run(Step step) {
    for (std::optional<Pending> pending = Begin(std::move(step)); pending; pending = Advance()) {
        uint64_t now = platform_.NowMs();
        if (pending->input)
            platform_.WaitForInput(pending->deadline);
        else if (pending->deadline > now)
            platform_.Sleep(static_cast<int>(pending->deadline - now));
    }
}

std::optional<EventLoop::Pending> EventLoop::Begin(Step step) {
    if (unloaded_ || !running_.Done()) return std::nullopt;
    running_ = std::move(step);
    return Resume([this] { running_.Start(); });
}

std::optional<EventLoop::Pending> EventLoop::Advance() {
    std::coroutine_handle<> waiting = std::exchange(wait_, {}).resume;
    // mutable: in some C++ libraries a handle's resume() is not const.
    return Resume([waiting]() mutable {
        if (waiting) waiting.resume();
    });
}

template <typename F>
std::optional<EventLoop::Pending> EventLoop::Resume(F&& resume) {
    if (!closing_ && !running_.Done()) {
        ++depth_;
        depth_max_ = std::max(depth_max_, depth_);
        resume();
        --depth_;
    }
    const bool waits = wait_.resume && wait_.kind != Wait::Kind::Forever;
    if (!running_.Done() && !closing_ && waits)
        return Pending{wait_.kind == Wait::Kind::Input, wait_.deadline};
    wait_ = {};
    running_ = Step();  // whatever a close left unfinished ends here
    if (closing_ && depth_ == 0) FinishClose();
    return std::nullopt;
}

void EventLoop::Load() {
    if (handlers_) Run(handlers_->OnLoad());
    if (!unloaded_ && !shown_) {
        platform_.Show();
        shown_ = true;
    }
}

void EventLoop::Deliver(const InputEvent& event) { Run(DeliverStep(event)); }

Step EventLoop::DeliverStep(InputEvent event) {
    if (unloaded_ || !handlers_) co_return;
    switch (event.type) {
        case InputEvent::Type::Close:
            RequestClose();
            co_return;
        case InputEvent::Type::Resize:
            co_await handlers_->OnResize();
            co_return;
        case InputEvent::Type::Key:
            co_await handlers_->OnKey(event);
            co_return;
        case InputEvent::Type::Wheel:
            co_await handlers_->OnWheel(event.wheel);
            co_return;
        case InputEvent::Type::Click:
        case InputEvent::Type::DblClick: {
            if (elements_.focus.shown) {
                elements_.focus.shown = false;
                dirty_ = true;
            }
            int id = event.element;
            if (id == kWindowBackground) {
                id = -1;
            } else if (id < 0) {
                id = elements_.HitTest(event.x, event.y);
            } else if (!elements_.Shown(elements_.At(id))) {
                co_return;  // it was hidden while the click waited in the queue
            }
            if (id < 0) {
                if (event.type == InputEvent::Type::Click) co_await handlers_->OnFormClick();
            } else if (event.type == InputEvent::Type::Click) {
                co_await handlers_->OnClick(id);
            } else {
                co_await handlers_->OnDblClick(id);
            }
            co_return;
        }
    }
}

void EventLoop::Pump() { Run(LetEventsRun()); }

Step EventLoop::LetEventsRun() {
    if (unloaded_) co_return;
    InputEvent event;
    while (!closing_ && platform_.PollInput(event)) co_await DeliverStep(event);
    // Only when a timer is due: a drawing lets events run after each of its many segments.
    if (!closing_ && timers_.EarliestDue() <= platform_.NowMs()) co_await RunTimers();
    PresentIfChanged();
    // A close ends the handler that let events run here, and every one around it.
    if (closing_) co_await WaitAwaiter{*this, {Wait::Kind::Forever}};
}

Step EventLoop::RunTimers() {
    // Each timer that is due ticks once, in the order they came due; a timer whose handler is
    // still running (it let events run) is not ticked again inside itself.
    uint64_t now = platform_.NowMs();
    uint32_t done = 0;
    for (;;) {
        size_t next = timers_.Count();
        for (size_t i = 0; i < timers_.Count(); ++i) {
            const Timer& t = timers_.Get(static_cast<TimerId>(i));
            if ((done | ticking_) >> i & 1 || !t.enabled || t.due > now) continue;
            if (next == timers_.Count() || t.due < timers_.Get(static_cast<TimerId>(next)).due)
                next = i;
        }
        if (next == timers_.Count() || closing_ || unloaded_) co_return;
        const TimerId id = static_cast<TimerId>(next);
        const uint32_t bit = uint32_t{1} << next;
        done |= bit;
        timers_.Ticked(id, now);
        ticking_ |= bit;
        co_await handlers_->OnTimer(id);
        ticking_ &= ~bit;
    }
}

Step EventLoop::Sleep(int ms) {
    uint64_t deadline = platform_.NowMs() + static_cast<uint64_t>(std::max(ms, 0));
    co_await WaitAwaiter{*this, {Wait::Kind::Sleep, deadline}};
}

Step EventLoop::PlayWave(std::string sound_name, std::string path) {
    int ms = platform_.StartWave(sound_name, path);
    co_await Sleep(ms);
}

Step EventLoop::WaitForEvents(uint64_t max_ms) {
    if (unloaded_ || closing_) co_return;
    uint64_t now = platform_.NowMs();
    uint64_t deadline = std::min(now + max_ms, NextTimerDue());
    if (deadline > now) co_await WaitAwaiter{*this, {Wait::Kind::Input, deadline}};
    co_await LetEventsRun();
}

bool EventLoop::PictureChanged() const {
    if (dirty_ || presented_surface_version_ != surface_.Version()) return true;
    const Elements::KeyFocus& focus = elements_.focus;
    return elements_.window_back != presented_back_ || elements_.scale != presented_scale_ ||
           focus.element != presented_focus_.element || focus.shown != presented_focus_.shown ||
           elements_.All() != presented_elements_;
}

void EventLoop::PresentIfChanged() {
    if (unloaded_ || !platform_.ShowsFrames()) return;
    // At most one frame per display frame; the loop's wait wakes for the one held back.
    uint64_t now = platform_.NowMs();
    if (now - last_present_ < kFrameMs && last_present_ != 0) return;
    if (PictureChanged()) ShowAndPresent();
}

void EventLoop::ShowAndPresent() {
    // The first frame shows the window: during the load, that is before its closing sounds.
    if (!shown_) {
        platform_.Show();
        shown_ = true;
    }
    RenderAndPresent();
}

void EventLoop::RenderAndPresent() {
    dirty_ = false;
    presented_surface_version_ = surface_.Version();
    presented_elements_ = elements_.All();
    presented_back_ = elements_.window_back;
    presented_scale_ = elements_.scale;
    presented_focus_ = elements_.focus;
    last_present_ = platform_.NowMs();
    const uint32_t back = PixelFromBgr(elements_.window_back);
    const int width = surface_.Width(), height = surface_.Height();
    PixelView lent = platform_.LendFrame(width, height);
    if (!lent.Empty()) {
        frame_ = Image();
        renderer_.Render(elements_, surface_, platform_, lent);
        platform_.PresentLent(back);
        return;
    }
    if (frame_.width != width || frame_.height != height) frame_ = Image(width, height);
    renderer_.Render(elements_, surface_, platform_, frame_);
    platform_.Present(frame_, back);
}

void EventLoop::Redraw() { RenderAndPresent(); }

void EventLoop::PresentNow() {
    if (unloaded_ || !platform_.ShowsFrames()) return;
    if (PictureChanged()) ShowAndPresent();
}

void EventLoop::WaitAndPump(uint64_t max_ms) { Run(WaitForEvents(max_ms)); }

uint64_t EventLoop::NextTimerDue() const {
    uint64_t earliest = UINT64_MAX;
    for (size_t i = 0; i < timers_.Count(); ++i) {
        const Timer& t = timers_.Get(static_cast<TimerId>(i));
        if (t.enabled && !(ticking_ >> i & 1)) earliest = std::min(earliest, t.due);
    }
    return earliest;
}

uint64_t EventLoop::NextWake() const {
    if (unloaded_) return UINT64_MAX;
    uint64_t deadline = NextTimerDue();
    if (platform_.ShowsFrames() && PictureChanged())
        deadline = std::min(deadline, last_present_ + kFrameMs);
    return deadline;
}

void EventLoop::RunUntilClosed() {
    while (!unloaded_) {
        Pump();
        if (unloaded_) break;
        uint64_t now = platform_.NowMs();
        uint64_t deadline = NextTimerDue();
        bool pending_frame = platform_.ShowsFrames() && PictureChanged();
        if (pending_frame) deadline = std::min(deadline, last_present_ + kFrameMs);
        // With nothing to do the front end blocks in its event wait for up to a second.
        deadline = std::min(deadline, now + 1000);
        if (deadline > now) platform_.WaitForInput(deadline);
    }
}

void EventLoop::RequestClose() {
    if (unloaded_) return;
    closing_ = true;
    if (depth_ > 0) return;  // the step running ends at its next wait, then the unload runs
    running_ = Step();
    wait_ = {};
    FinishClose();
}

void EventLoop::FinishClose() {
    if (unloaded_) return;
    // Form_Unload runs as the last handler; nothing is delivered after it.
    ++depth_;
    depth_max_ = std::max(depth_max_, depth_);
    if (handlers_) handlers_->OnUnload();
    --depth_;
    unloaded_ = true;
    platform_.Unload();
}

}  // namespace quorrel
