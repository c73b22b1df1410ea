// The game's window as stored: its elements and their names, for the window toolkit.
#pragma once

#include "screens/names.h"
#include "window/elements.h"

namespace quorrel {

ElementTable CalcElementTable();

}  // namespace quorrel
