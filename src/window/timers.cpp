#include "window/timers.h"

#include <cstddef>

namespace quorrel {

TimerSet::TimerSet(const TimerTable& table, uint64_t now)
    : timers_(table.timers), names_(table.names) {
    if (timers_.size() > kMaxTimers) timers_.resize(kMaxTimers);
    names_.resize(timers_.size());
    for (Timer& t : timers_)
        if (t.enabled) t.due = now + static_cast<uint64_t>(t.interval);
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
