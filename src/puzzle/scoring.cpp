#include "shell/calc.h"

namespace quorrel {

void Calc::Cent_DblClick() {}

void Calc::RefreshScoreLine() {}

}  // namespace quorrel
