// The game's window as stored: its elements and their names, for the window toolkit.
#pragma once

#include "screens/names.h"
#include "window/elements.h"

namespace quorrel {

// The help panel's lines: more than its stored height holds at any scale.
inline constexpr int kHelpRows = 24;

ElementTable CalcElementTable();

}  // namespace quorrel
