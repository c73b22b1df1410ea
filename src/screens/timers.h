// The game's timers, which the window's timer set counts.
#pragma once

#include <cstdint>

#include "window/timers.h"

namespace quorrel {

enum class TimerId : uint8_t { FirstUp, LastUp, KlikOff, TileBoy, NoteOff, DigitGap, Count };

TimerTable CalcTimerTable();

}  // namespace quorrel
