#include "window/timers.h"

namespace quorrel {

const char* TimerName(TimerId id) {
    static const char* const names[] = {"FirstUp", "LastUp",  "KlikOff",
                                        "TileBoy", "NoteOff", "DigitGap"};
    return names[static_cast<size_t>(id)];
}

TimerSet::TimerSet(uint64_t now) {
    timers_[static_cast<size_t>(TimerId::FirstUp)] = {1800, true, now + 1800};
    timers_[static_cast<size_t>(TimerId::LastUp)] = {500, false, 0};
    timers_[static_cast<size_t>(TimerId::KlikOff)] = {300, false, 0};
    timers_[static_cast<size_t>(TimerId::TileBoy)] = {500, true, now + 500};
    // Puts away a notice that goes by itself (a saved drawing's), 3 s after it was shown.
    timers_[static_cast<size_t>(TimerId::NoteOff)] = {3000, false, 0};
    // Ends a typed number on the board: digits further apart start a new one.
    timers_[static_cast<size_t>(TimerId::DigitGap)] = {600, false, 0};
}

void TimerSet::Enable(TimerId id, uint64_t now) {
    Timer& t = timers_[static_cast<size_t>(id)];
    if (t.enabled) return;
    t.enabled = true;
    t.due = now + static_cast<uint64_t>(t.interval);
}

void TimerSet::Disable(TimerId id) { timers_[static_cast<size_t>(id)].enabled = false; }

uint64_t TimerSet::EarliestDue() const {
    uint64_t earliest = UINT64_MAX;
    for (const Timer& t : timers_)
        if (t.enabled && t.due < earliest) earliest = t.due;
    return earliest;
}

void TimerSet::Ticked(TimerId id, uint64_t now) {
    Timer& t = timers_[static_cast<size_t>(id)];
    t.due = now + static_cast<uint64_t>(t.interval > 0 ? t.interval : 1);
}

}  // namespace quorrel
