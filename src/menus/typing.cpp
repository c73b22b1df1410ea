#include "menus/typing.h"

#include "state/convert.h"

namespace quorrel {
namespace {

struct Match {
    int exact = -1;       // the first shown box whose number reads as the text
    bool longer = false;  // a shown number is longer and starts with the text
};

Match Find(Calc& calc, const std::string& text) {
    Match match;
    for (int i = 0; i < 4; ++i) {
        int16_t value = calc.gs.Numbers[i];
        if (!calc.el.Shown(calc.el(Name::Digit, i)) || value == kEmptied) continue;
        const std::string shown = PlainNumberText(value);
        if (shown == text && match.exact < 0) match.exact = i;
        if (shown.size() > text.size() && shown.compare(0, text.size(), text) == 0)
            match.longer = true;
    }
    return match;
}

}  // namespace

void ForgetTypedDigits(Calc& calc, TypedDigits& typed) {
    typed.text.clear();
    typed.held = -1;
    calc.timers.Disable(TimerId::DigitGap);
}

Step PickHeldDigits(Calc& calc, GameHooks& hooks, TypedDigits& typed) {
    const int held = typed.held;
    const std::string text = typed.text;
    ForgetTypedDigits(calc, typed);
    if (held < 0) co_return;
    Element& box = calc.el(Name::Digit, held);
    int16_t value = calc.gs.Numbers[held];
    if (calc.el.Shown(box) && value != kEmptied && PlainNumberText(value) == text)
        co_await hooks.Click(calc.el.Id(box));
}

Step TypeDigit(Calc& calc, GameHooks& hooks, TypedDigits& typed, char digit) {
    const uint64_t now = calc.platform.NowMs();
    const uint64_t gap = static_cast<uint64_t>(calc.timers.Get(TimerId::DigitGap).interval);
    if (now - typed.last_ms > gap) co_await PickHeldDigits(calc, hooks, typed);
    typed.last_ms = now;
    // Twice at most: the digits typed before, when they cannot go on into a number shown,
    // stand alone (the held one is picked) and this digit starts a number of its own.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string text = typed.text + digit;
        const Match match = Find(calc, text);
        if (match.exact >= 0 && !match.longer) {
            ForgetTypedDigits(calc, typed);
            co_await hooks.Click(calc.el.Id(calc.el(Name::Digit, match.exact)));
            co_return;
        }
        if (match.longer) {
            typed.text = text;
            typed.held = match.exact;
            calc.timers.Disable(TimerId::DigitGap);  // counts afresh from this digit
            if (typed.held >= 0) calc.timers.Enable(TimerId::DigitGap, now);
            co_return;
        }
        if (typed.text.empty()) break;
        co_await PickHeldDigits(calc, hooks, typed);
    }
    ForgetTypedDigits(calc, typed);
}

}  // namespace quorrel
