// The maker panel's own clicks (a value box, a line sample) and its line sample.
// The words of the panel go through But_Click, so a click on a box or a bar is refused by the
// same keypad rule as every word.
#include "spiro/maker.h"

#include "shell/calc.h"

namespace quorrel {

void ShowLineSample(Elements& el, int16_t thickness) {
    struct Bar {
        bool opaque;
        uint32_t back;  // only set when the bar is painted
    };
    // One row per thickness, bars Cap(0), Cap(1), Cap(2). Cap(2) always stays opaque; a bar
    // that turns transparent keeps its old back colour for when it is painted again.
    static const Bar kSample[3][3] = {
        {{true, colour::kWhite}, {true, colour::kSilver}, {true, colour::kBlack}},
        {{false, 0}, {true, colour::kWhite}, {true, colour::kBlack}},
        {{false, 0}, {false, 0}, {true, colour::kWhite}},
    };
    if (thickness < 0 || thickness > 2) return;
    for (int i = 0; i < 3; ++i) {
        Element& bar = el(Name::Cap, i);
        const Bar& look = kSample[thickness][i];
        bar.opaque = look.opaque;
        if (look.opaque) bar.back = look.back;
    }
}

void Calc::LMOrder_Click(int16_t Index) {
    // A value box acts as the word beside it: Order, Angle or Left T.
    if (Index < 0 || Index > 2) return;
    But_Click(static_cast<int16_t>(11 + Index));
}

void Calc::Cap_Click(int16_t Index) {
    if (Index < 0 || Index > 2) return;
    // Refused here once, rather than by both words below, so a refused click beeps only once.
    if (gs.KeypadOpen) {
        platform.Beep();
        return;
    }
    But_Click(14);  // next thickness
    But_Click(10);  // and the figure drawn with it
}

}  // namespace quorrel
