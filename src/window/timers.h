// The window's timers. A timer counts from the moment it is enabled; the event loop ticks
// it once when it comes due, however late, and then counts a new interval.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorrel {

// Timers are named by the program (for the game, screens/timers.h); the toolkit only counts them.
enum class TimerId : uint8_t;

struct Timer {
    int interval = 0;  // milliseconds
    bool enabled = false;
    uint64_t due = 0;  // clock reading of the next tick while enabled
};

// A window's timers as its program stores them, by TimerId: their intervals, which of them run
// from the start, and their names.
struct TimerTable {
    std::vector<Timer> timers;
    std::vector<std::string> names;
};

class TimerSet {
  public:
    static constexpr size_t kMaxTimers = 32;
    // The stored timers, counting from now.
    TimerSet(const TimerTable& table, uint64_t now);

    size_t Count() const { return timers_.size(); }
    const Timer& Get(TimerId id) const { return timers_[static_cast<size_t>(id)]; }
    const std::string& Name(TimerId id) const { return names_[static_cast<size_t>(id)]; }
    // Enabling a running timer leaves its count alone; enabling a stopped one starts it afresh.
    void Enable(TimerId id, uint64_t now);
    void Disable(TimerId id);
    // The earliest due time of any enabled timer, or UINT64_MAX.
    uint64_t EarliestDue() const;
    void Ticked(TimerId id, uint64_t now);

  private:
    std::vector<Timer> timers_;
    std::vector<std::string> names_;
};

}  // namespace quorrel
