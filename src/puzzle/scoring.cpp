// The score line on the board: switched on and off by a double click on the target; switching
// it on starts a new scoring period with cleared counters.
#include "board/scoring.h"

#include "puzzle/puzzle.h"
#include "shell/calc.h"

namespace quorrel {

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
    ShowScoreLine(calc);
}

void ShowScoreLine(Calc& calc) {
    const GameState& gs = calc.gs;
    // TRANSLATORS: the score line over the board (121 x 17 px, 8 pt): " 1.5min - 36pts", the
    // minutes, then the points with a blank before them.
    std::string_view pattern = calc.Tr("%smin -%spts");
    calc.el(Name::ScoreB).caption =
        ScoreLineText(ScoreMinutes(gs.TimeMark), Points(gs.Stats), pattern);
}

}  // namespace quorrel
