#include "shell/calc.h"

namespace quorrel {

Calc::Calc(Platform& p, GameHooksMaker make_hooks, uint64_t seed)
    : platform(p),
      timers(CalcTimerTable(), p.NowMs()),
      loop(p, el, timers, surface),
      seed_(seed),
      game_(make_hooks(*this)) {
    loop.SetHandlers(this);
    rng.Seed(seed);
    // The surface takes the window's size at load, once the window has been placed: sized here
    // too it would be allocated twice before the first frame.
}

void Calc::SyncSurfaceSize() {
    surface.Resize(platform.InnerWidth(), platform.InnerHeight(), el.window_back);
}

void Calc::ShowScreen(Screen screen) {
    screen_.Show(screen);
    ApplyScreen(screen_, el);
}

void Calc::HideScreen(Screen screen) {
    screen_.Hide(screen);
    ApplyScreen(screen_, el);
}

void Calc::SwitchScreen(Screen from, Screen to) {
    screen_.Hide(from);
    screen_.Show(to);
    ApplyScreen(screen_, el);
}

void Calc::SetOverlay(Overlay overlay, bool on) {
    screen_.Set(overlay, on);
    ApplyScreen(screen_, el);
}

Step Calc::OnResize() {
    SyncSurfaceSize();
    co_await Form_Resize();
}

Step Calc::OnTimer(TimerId timer) {
    switch (timer) {
        case TimerId::FirstUp:
            co_await FirstUp_Timer();
            break;
        case TimerId::LastUp:
            LastUp_Timer();
            break;
        case TimerId::TileBoy:
            TileBoy_Timer();
            break;
        case TimerId::NoteOff:
            NoteOff_Timer();
            break;
        default:
            co_await game_->Timer(timer);
            break;
    }
}

}  // namespace quorrel
