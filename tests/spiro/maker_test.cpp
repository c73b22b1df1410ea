// The maker's values as the drawing reads them; the panel itself is played in the scenarios.
#include "spiro/maker.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

TEST(MakerValues, CaptionsReadAsTheirLeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* caption;
        int16_t value;
        bool acceptable;
    };  // may OK keep it
    const Case cases[] = {
        {"4", 4, true},
        {"007", 7, true},
        {"2.5", 2, true},
        {"3.5", 4, true},
        {".51", 1, true},
        {"1.2.3", 1, true},
        {"32767", 32767, true},
        {"32767.4", 32767, true},
        {"", 0, false},
        {".", 0, false},
        {"0", 0, false},
        {".5", 0, false},
        {"0.5", 0, false},
        {"32767.5", 32767, false},  // saturates when read, and the keypad refuses it
        {"99999", 32767, false},
        {"999999999999", 32767, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(MakerValue(c.caption), c.value) << '"' << c.caption << '"';
        EXPECT_EQ(AcceptableMakerValue(c.caption), c.acceptable) << '"' << c.caption << '"';
    }
}

}  // namespace
}  // namespace quorrel
