// The maker panel's line-width sample.
#include "spiro/maker.h"

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

}  // namespace quorrel
