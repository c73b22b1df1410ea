#include "screens/timers.h"

namespace quorrel {

TimerTable CalcTimerTable() {
    TimerTable table;
    table.timers.resize(static_cast<size_t>(TimerId::Count));
    auto set = [&table](TimerId id, const char* name, int interval, bool enabled) {
        table.timers[static_cast<size_t>(id)] = {interval, enabled, 0};
        table.names.resize(table.timers.size());
        table.names[static_cast<size_t>(id)] = name;
    };
    set(TimerId::FirstUp, "FirstUp", 1800, true);
    set(TimerId::LastUp, "LastUp", 500, false);
    set(TimerId::KlikOff, "KlikOff", 300, false);
    set(TimerId::TileBoy, "TileBoy", 500, true);
    // Puts away a notice that goes by itself (a saved drawing's), 3 s after it was shown.
    set(TimerId::NoteOff, "NoteOff", 3000, false);
    // Ends a typed number on the board: digits further apart start a new one.
    set(TimerId::DigitGap, "DigitGap", 600, false);
    return table;
}

}  // namespace quorrel
