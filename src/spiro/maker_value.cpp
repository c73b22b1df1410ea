// The maker's typed values, apart from the panel's handlers so that they build on their own.
#include "spiro/maker.h"
#include "state/convert.h"

namespace quorrel {

int16_t MakerValue(std::string_view caption) { return RoundToInt16(LeadingNumber(caption)); }

bool AcceptableMakerValue(std::string_view caption) {
    // Judged on the rounded value: "2.5" stands (it draws as 2), ".5" does not (it would draw
    // as 0), and "32767.5" does not either (it would round past the 16-bit range).
    double rounded = RoundHalfEven(LeadingNumber(caption));
    return rounded >= 1 && rounded <= 32767;
}

}  // namespace quorrel
