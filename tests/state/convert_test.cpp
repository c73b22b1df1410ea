#include "state/convert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

#include "shell/settings.h"
#include "state/text_escape.h"
#include "support/game.h"

namespace quorrel {
namespace {

TEST(NumberText, LeadingBlankForZeroAndAbove) {
    struct Case {
        int64_t value;
        const char* text;
        const char* plain;
    };
    const Case cases[] = {
        {237, " 237", "237"}, {-2, "-2", "-2"}, {0, " 0", "0"}, {-32768, "-32768", "-32768"}};
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text);
        EXPECT_EQ(PlainNumberText(c.value), c.plain);
    }
}

TEST(ShortNumberText, ShortestFormWithoutZeroBeforeThePoint) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.5f, " .5"}, {2.0f, " 2"}, {0.0f, " 0"}, {-0.25f, "-.25"}, {1234.5f, " 1234.5"}};
    for (const Case& c : cases) EXPECT_EQ(ShortNumberText(c.value), c.text) << c.value;
}

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"007", 7},    {"1.2.3", 1.2}, {".", 0},   {"abc", 0}, {" 42", 42},
                          {"12abc", 12}, {".5", 0.5},    {"-3", -3}, {"3.", 3}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

// Whole decimal texts only, with from_chars' results and ranges; no inf, nan or hex forms.
TEST(ParseDecimal, ReadsWholeDecimalTextsOnly) {
    for (const char* text : {"2.5", "-.5", "5.", "1e3", "0e999", "1e-310"}) {
        double value = 0;
        EXPECT_TRUE(ParseDecimal(text, value) && value == std::strtod(text, nullptr)) << text;
    }
    for (const char* text : {"+1", " 1", ".", "1e", "inf", "nan", "0x1p3", "1e309", "1e-400"}) {
        double value = 0;
        EXPECT_FALSE(ParseDecimal(text, value)) << text;
    }
}

// A locale with a decimal comma: an installed one, else a small one made for the test.
bool UseCommaLocale(const std::string& folder) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_NUMERIC, name)) return true;
    std::ofstream(folder + "/comma.src")
        << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\nEND LC_NUMERIC\n";
    std::string make =
        "localedef -c -i '" + folder + "/comma.src' '" + folder + "/comma' >/dev/null 2>&1";
    if (std::system(make.c_str()) == -1) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    bool made = std::setlocale(LC_NUMERIC, "comma") != nullptr;
    unsetenv("LOCPATH");
    return made;
}

TEST(Locale, ADecimalCommaChangesNothingReadOrWritten) {
    std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    testing_support::TempFolder folder;
    // Never skipped: scripts/deps.sh test installs what localedef needs.
    ASSERT_TRUE(UseCommaLocale(folder.path())) << "no locale with a decimal comma";
    std::string point = std::localeconv()->decimal_point;
    double read = LeadingNumber("2.5");
    double parsed = 0;
    bool parsed_ok = ParseDecimal("2.5", parsed);
    std::string text = ShortNumberText(1.5f);
    SavedSettings settings =
        ParseSettings("0 2 2 0 -1 0 0 100.5 200 9000 6000", {15360, 11520, 15});
    std::string written = FormatSettings(0, 2, 2, {0, -1, 0}, 0, {100.5, 200, 9000, 6000});
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_EQ(point, ",");
    EXPECT_DOUBLE_EQ(read, 2.5);
    EXPECT_TRUE(parsed_ok && parsed == 2.5);
    EXPECT_EQ(text, " 1.5");
    EXPECT_EQ(settings.left, 100);
    EXPECT_EQ(written, " 0  2  2  0 -1  0 \r\n 0  100.5  200  9000  6000 \r\n");
}

TEST(Rounding, HalfGoesToTheEvenNeighbour) {
    struct Case {
        double value;
        int32_t rounded;
    };
    const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {2.5001, 3}, {-0.4, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToInt32(c.value), c.rounded) << c.value;
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
    }
}

TEST(Rounding, SaturatesOutOfRange) {
    EXPECT_EQ(RoundToInt16(40000), 32767);
    EXPECT_EQ(RoundToInt16(-40000), -32768);
    EXPECT_EQ(RoundToInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundToInt16(std::nan("")), 0);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::infinity()), 32767);
}

// Texts are UTF-8 from end to end: a folder named in UTF-8 is drawn and printed as it is, a
// stray byte is drawn as Latin-1 and printed escaped, never as two garbled letters.
TEST(Text, Utf8IsKeptAndStrayBytesAreReadAsLatin1) {
    struct Case {
        std::string text, drawn, printed;
    };
    const Case cases[] = {
        {"Im\xC3\xA1genes", "Im\xC3\xA1genes", "\"Im\xC3\xA1genes\""},
        {std::string("18") + kDivisionSign + "3",
         "18\xC3\xB7"
         "3",
         "\"18\xC3\xB7"
         "3\""},
        {"\xE2\x82\xAC\xF0\x9F\x99\x82", "\xE2\x82\xAC\xF0\x9F\x99\x82",
         "\"\xE2\x82\xAC\xF0\x9F\x99\x82\""},
        {"Im\xE1genes", "Im\xC3\xA1genes", "\"Im\\xE1genes\""},
        {"\xC3", "\xC3\x83", "\"\\xC3\""},                                    // cut off
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", "\"\\xC0\\xAF\""},                   // overlong '/'
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80", "\"\\xED\\xA0\\x80\""},  // surrogate
        {"a\rb\"c\x7F", "a\rb\"c\x7F", "\"a\\rb\\\"c\\x7F\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValidUtf8(c.text), c.drawn) << c.printed;
        EXPECT_EQ(QuoteText(c.text), c.printed);
    }
}

}  // namespace
}  // namespace quorrel
