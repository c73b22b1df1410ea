#include "state/convert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "state/random.h"
#include "state/text_escape.h"

namespace quorrel {
namespace {

TEST(NumberText, LeadingBlankForZeroAndAbove) {
    struct Case { int64_t value; const char* text; const char* plain; };
    const Case cases[] = {{237, " 237", "237"}, {-2, "-2", "-2"}, {0, " 0", "0"}, {-32768, "-32768", "-32768"}};
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text);
        EXPECT_EQ(PlainNumberText(c.value), c.plain);
    }
}

TEST(ShortNumberText, ShortestFormWithoutZeroBeforeThePoint) {
    struct Case { float value; const char* text; };
    const Case cases[] = {{0.5f, " .5"}, {1.5f, " 1.5"}, {2.0f, " 2"}, {0.0f, " 0"}, {36.0f, " 36"},
                          {0.6f, " .6"}, {-0.25f, "-.25"}, {1234.5f, " 1234.5"}, {0.1f, " .1"}};
    for (const Case& c : cases) EXPECT_EQ(ShortNumberText(c.value), c.text) << c.value;
}

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
    struct Case { const char* text; double value; };
    const Case cases[] = {{"007", 7},  {"2.5", 2.5}, {"1.2.3", 1.2}, {"", 0},     {".", 0},
                          {"abc", 0}, {" 42", 42},  {"12abc", 12},  {".5", 0.5}, {"-3", -3},
                          {"3.", 3},  {"99999999", 99999999}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(LeadingNumber, IgnoresTheLocale) {
    // A locale with a decimal comma must not change how "2.5" reads.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
        EXPECT_EQ(ShortNumberText(1.5f), " 1.5");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Rounding, HalfGoesToTheEvenNeighbour) {
    struct Case { double value; int32_t rounded; };
    const Case cases[] = {{2.5, 2},   {3.5, 4},   {403.5, 404}, {-2.5, -2}, {-3.5, -4},
                          {0.5, 0},   {1.5, 2},   {2.4999, 2},  {2.5001, 3}, {255.5, 256},
                          {520.2, 520}, {-0.4, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToInt32(c.value), c.rounded) << c.value;
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
    }
}

TEST(Rounding, SaturatesOutOfRange) {
    EXPECT_EQ(RoundToInt16(40000), 32767);
    EXPECT_EQ(RoundToInt16(-40000), -32768);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundToInt16(std::nan("")), 0);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::infinity()), 32767);
}

TEST(Remainder, HasTheSignOfTheDividend) {
    EXPECT_EQ(Remainder(7, 3), 1);
    EXPECT_EQ(Remainder(-7, 3), -1);
    EXPECT_EQ(Remainder(7, -3), 1);
    EXPECT_DOUBLE_EQ(Remainder(-405.0, 360.0), -45.0);
    EXPECT_DOUBLE_EQ(Remainder(765.0, 360.0), 45.0);
}

TEST(DivisionSign, IsOneByteInsideTextsAndUtf8OnOutput) {
    std::string text = std::string("18") + kDivisionSign + "3";
    EXPECT_EQ(text.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(text[2]), 247);
    EXPECT_EQ(Cp1252ToUtf8(text), "18\xC3\xB7" "3");
    EXPECT_EQ(QuoteText("a\rb\"c"), "\"a\\rb\\\"c\"");
}

TEST(Random, StaysBelowOneAndRepeatsForASeed) {
    Random a(42), b(42);
    for (int i = 0; i < 100000; ++i) {
        double u = a.Next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ASSERT_EQ(u, b.Next());
    }
    Random c(7);
    int counts[4] = {};
    for (int i = 0; i < 40000; ++i) {
        int k = c.Below(4);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 4);
        ++counts[k];
    }
    for (int n : counts) EXPECT_NEAR(n, 10000, 600);
    EXPECT_EQ(c.Below(0), 0);
    EXPECT_LT(c.Below(std::numeric_limits<int32_t>::max()), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace quorrel
