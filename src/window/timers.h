// The window's timers. A timer counts from the moment it is enabled; the event loop ticks
// it once when it comes due, however late, and then counts a new interval.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorrel {

enum class TimerId : uint8_t { FirstUp, LastUp, KlikOff, TileBoy, NoteOff, DigitGap, Count };

const char* TimerName(TimerId id);

struct Timer {
    int interval = 0;  // milliseconds
    bool enabled = false;
    uint64_t due = 0;  // clock reading of the next tick while enabled
};

class TimerSet {
  public:
    explicit TimerSet(uint64_t now);  // the stored timers, counting from now

    const Timer& Get(TimerId id) const { return timers_[static_cast<size_t>(id)]; }
    // Enabling a running timer leaves its count alone; enabling a stopped one starts it afresh.
    void Enable(TimerId id, uint64_t now);
    void Disable(TimerId id);
    // The earliest due time of any enabled timer, or UINT64_MAX.
    uint64_t EarliestDue() const;
    void Ticked(TimerId id, uint64_t now);

  private:
    std::array<Timer, static_cast<size_t>(TimerId::Count)> timers_;
};

}  // namespace quorrel
