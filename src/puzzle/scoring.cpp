// The score line on the board: switched on and off by a double click on the target; switching
// it on starts a new scoring period with cleared counters.
#include "puzzle/scoring.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {

int32_t Points(const std::array<int32_t, 5>& stats) {
    int64_t points =
        10 * int64_t{stats[0]} + 4 * int64_t{stats[1]} + 2 * int64_t{stats[2]} + stats[3];
    return static_cast<int32_t>(std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

float ScoreMinutes(float elapsed_seconds) { return std::floor(elapsed_seconds / 6.0f) / 10.0f; }

std::string ScoreLineText(float minutes, int32_t points) {
    return ShortNumberText(minutes) + "min -" + NumberText(points) + "pts";
}

void Cent_DblClick(Calc& calc) {
    Element& line = calc.el(Name::ScoreB);
    line.visible = !line.visible;
    if (line.visible) {
        calc.gs.Stats.fill(0);
        calc.gs.ScoreStart = calc.Clock();
    }
    RefreshScoreLine(calc);  // a hidden line keeps counting
}

void RefreshScoreLine(Calc& calc) {
    GameState& gs = calc.gs;
    float now = calc.Clock();
    gs.TimeMark = now - gs.ScoreStart;
    if (gs.TimeMark < 0) {
        // Midnight has passed since the period began: it starts again from here.
        gs.ScoreStart = now;
        gs.TimeMark = 3;
    }
    calc.el(Name::ScoreB).caption = ScoreLineText(ScoreMinutes(gs.TimeMark), Points(gs.Stats));
}

}  // namespace quorrel
