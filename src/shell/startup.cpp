#include "shell/calc.h"

namespace quorrel {

void Calc::Form_Load() {
    gs.TitleText = "Quorrel";
    SetTitle(gs.TitleText);
}

void Calc::Form_Unload() {}

}  // namespace quorrel
