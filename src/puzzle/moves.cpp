#include "shell/calc.h"

namespace quorrel {

void Calc::Dig_Click(int16_t Index) { Digit_Click(Index); }

void Calc::Digit_Click(int16_t) {}

void Calc::Op_Click(int16_t) {}

void Calc::KlikOff_Timer() {
    gs.ClickLock = kFalse;
    DisableTimer(TimerId::KlikOff);
}

}  // namespace quorrel
