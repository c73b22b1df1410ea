#include <gtest/gtest.h>

#include "shell/calc.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

struct SayTest : ::testing::Test {
    HeadlessPlatform platform{HeadlessOptions{QUORREL_SOURCE_DIR, "", 1024, 768, 15, 43200, nullptr}};
    Calc calc{platform, 1};
    void SetUp() override { calc.glob.AppFolder = std::string(QUORREL_SOURCE_DIR) + "/"; }
    std::vector<std::string> Speak(int16_t n) {
        calc.SayNumber(n);
        return platform.TakeEvents();
    }
};

TEST_F(SayTest, NumbersAreSpokenFromTheRecordedParts) {
    struct Case { int16_t n; std::vector<std::string> sounds; int16_t left; };
    const Case cases[] = {
        {0, {"sound 0"}, 0},
        {15, {"sound 15"}, 15},
        {37, {"sound 30", "sound 7"}, 7},
        {100, {"sound 100"}, 0},
        {112, {"sound 100", "sound 12"}, 12},
        {150, {"sound 100", "sound 50"}, 0},
        {199, {"sound 100", "sound 90", "sound 9"}, 9},
        {-8, {"sound Minus", "sound 8"}, 8},
        {200, {}, 200},
        {21, {"sound 20", "sound 1"}, 1},
        {20, {"sound 20"}, 20},
        {101, {"sound 100", "sound 1"}, 1},
        {-199, {"sound Minus", "sound 100", "sound 90", "sound 9"}, 9},
        {-200, {}, -200},
        {40, {"sound 40"}, 0},
        {-32768, {}, -32768},
    };
    for (int level = 1; level <= 2; ++level) {
        calc.gs.SoundLevel = static_cast<int16_t>(level);
        for (const Case& c : cases) {
            EXPECT_EQ(Speak(c.n), c.sounds) << c.n;
            EXPECT_EQ(calc.gs.SayNumber, c.left) << c.n;
        }
    }
    Speak(-8);
    EXPECT_EQ(calc.gs.SayName, "Minus");
}

TEST_F(SayTest, LevelZeroPlaysNothingInAnyMode) {
    calc.gs.SoundLevel = 0;
    uint64_t before = platform.NowMs();
    calc.SayWord("Click1");
    EXPECT_TRUE(Speak(37).empty());
    EXPECT_EQ(calc.gs.SayNumber, 37);
    EXPECT_EQ(platform.NowMs(), before);
}

TEST_F(SayTest, SoundsPlayToTheirEndOneAfterAnother) {
    calc.gs.SoundLevel = 1;
    uint64_t before = platform.NowMs();
    calc.PlayClicks();
    int expected = WaveLengthMs(std::string(QUORREL_SOURCE_DIR) + "/Media/Click1.WAV") +
                   WaveLengthMs(std::string(QUORREL_SOURCE_DIR) + "/Media/Click2.WAV");
    EXPECT_GT(expected, 0);
    EXPECT_EQ(platform.NowMs() - before, static_cast<uint64_t>(expected));
    EXPECT_EQ(platform.TakeEvents(), (std::vector<std::string>{"sound Click1", "sound Click2"}));
}

TEST_F(SayTest, AMissingFileIsNamedButTakesNoTime) {
    calc.gs.SoundLevel = 2;
    calc.glob.AppFolder = "/nonexistent/";
    uint64_t before = platform.NowMs();
    calc.SayWord("Good3");
    EXPECT_EQ(platform.TakeEvents(), (std::vector<std::string>{"sound Good3"}));
    EXPECT_EQ(platform.NowMs(), before);
}

TEST(WaveLength, MalformedFilesHaveNoLength) {
    EXPECT_EQ(WaveLengthMs("/nonexistent/x.WAV"), 0);
    EXPECT_EQ(WaveLengthMs(std::string(QUORREL_SOURCE_DIR) + "/Media/BIN24.DAT"), 0);
    EXPECT_GT(WaveLengthMs(std::string(QUORREL_SOURCE_DIR) + "/Media/equals.WAV"), 100);
}

TEST(FindFile, FallsBackToACaseInsensitiveMatch) {
    std::string src = QUORREL_SOURCE_DIR;
    EXPECT_EQ(FindFileIgnoringCase(src, "Media/BIN24.DAT"), src + "/Media/BIN24.DAT");
    EXPECT_EQ(FindFileIgnoringCase(src, "media/bin24.dat"), src + "/Media/BIN24.DAT");
    EXPECT_EQ(FindFileIgnoringCase(src, "Media/nothing.WAV"), "");
    EXPECT_EQ(FindFileIgnoringCase(src, "Media"), "");  // a folder is not a file
}

}  // namespace
}  // namespace quorrel
