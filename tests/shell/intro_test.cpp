#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "driver.h"
#include "support/temp_folder.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

const char kInstructions[] =
    "You must combine the numbers in the yellow boxes using the operators in the green circles to "
    "give the result at the center of the puzzle. Click a number, an operater and another number. "
    "Repeat these steps until you have solved the puzzle.\r\rClick Hint if you need a hint,\r      "
    "Menu for options or\rHelp for more detailed instructions.";

struct IntroTest : ::testing::Test {
    TempFolder data;
    std::unique_ptr<Driver> driver;

    void StartWithSoundLevel(int level) {
        std::filesystem::create_directories(data.path() + "/Brindlecove Software");
        std::ofstream(data.path() + "/Brindlecove Software/Quorrel.dat", std::ios::binary)
            << "-1  5  " << level << " -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n";
        DriverOptions options;
        options.app_folder = QUORREL_SOURCE_DIR;
        options.data_folder = data.path();
        options.seed = 5;
        driver = std::make_unique<Driver>(options);
        Run("start");
        Run("events");
    }
    std::vector<std::string> Run(const std::string& command) {
        std::vector<std::string> out;
        EXPECT_EQ(driver->Execute(command, out), "") << command;
        return out;
    }
    bool Visible(Name name) { return driver->calc()->el(name).visible; }
    uint64_t Now() { return driver->platform().NowMs(); }
    static int ClicksMs() {
        std::string media = std::string(QUORREL_SOURCE_DIR) + "/Media/";
        return WaveLengthMs(media + "Click1.WAV") + WaveLengthMs(media + "Click2.WAV");
    }
};

TEST_F(IntroTest, SilentBoardAppearsAtExactly1800Ms) {
    StartWithSoundLevel(0);
    EXPECT_EQ(Now(), 0u);
    Run("wait 1799");
    EXPECT_FALSE(Visible(Name::Floater));
    EXPECT_TRUE(Visible(Name::First));
    Run("wait 1");
    EXPECT_EQ(Now(), 1800u);
    EXPECT_TRUE(Visible(Name::Floater));
    EXPECT_FALSE(Visible(Name::First));
    EXPECT_FALSE(driver->calc()->timers.Get(TimerId::FirstUp).enabled);
}

TEST_F(IntroTest, WithSoundTheBoardWaitsForTheTwoClicks) {
    StartWithSoundLevel(1);
    uint64_t start_clicks = Now();  // the clicks at the end of the load
    EXPECT_EQ(start_clicks, static_cast<uint64_t>(ClicksMs()));
    Run("wait " + std::to_string(1800 - start_clicks));
    EXPECT_EQ(Run("events"), (std::vector<std::string>{"sound Click1", "sound Click2"}));
    EXPECT_EQ(Now(), 1800u + ClicksMs());
    EXPECT_TRUE(Visible(Name::Floater));
    EXPECT_FALSE(Visible(Name::First));
}

TEST_F(IntroTest, InstructionsStandUnderTheBoard) {
    StartWithSoundLevel(0);
    Run("wait 1800");
    const Elements& el = driver->calc()->el;
    EXPECT_EQ(el(Name::Hell).caption, kInstructions);
    EXPECT_EQ(std::count(el(Name::Hell).caption.begin(), el(Name::Hell).caption.end(), '\r'), 4);
    EXPECT_TRUE(el.Shown(el(Name::Hell)));
    const Element& board = el(Name::Floater);
    const Element& strip = el(Name::Hellf);
    EXPECT_EQ(strip.top, board.top + board.height + 10);
    EXPECT_EQ(strip.left + strip.width / 2, board.left + board.width / 2);
}

TEST_F(IntroTest, TheOpeningStepNeverRunsTwice) {
    StartWithSoundLevel(2);
    Run("wait 1800");
    Run("events");
    driver->calc()->el(Name::First).visible = true;  // as the Quit word would show it
    Run("wait 10000");
    Run("resize 900 700");
    Run("wait 4000");
    EXPECT_TRUE(Visible(Name::First));
    std::vector<std::string> events = Run("events");
    EXPECT_EQ(std::count(events.begin(), events.end(), "sound Click1"), 0);
}

TEST_F(IntroTest, ClosingBeforeTheOpeningStepStillSaves) {
    StartWithSoundLevel(1);
    std::string settings = data.path() + "/Brindlecove Software/Quorrel.dat";
    std::filesystem::remove(settings);
    Run("wait 1000");
    EXPECT_EQ(Run("close"), (std::vector<std::string>{"closed"}));
    EXPECT_TRUE(std::filesystem::exists(settings));
    EXPECT_FALSE(Visible(Name::Floater));
    EXPECT_EQ(Run("events"), (std::vector<std::string>{"unload"}));
    std::vector<std::string> out;
    EXPECT_EQ(driver->Execute("wait 5000", out), "closed");
}

TEST_F(IntroTest, QuitClosesAtTheLastUpTickThroughTheSamePath) {
    StartWithSoundLevel(0);
    Run("wait 1800");
    driver->calc()->EnableTimer(TimerId::LastUp);
    std::string settings = data.path() + "/Brindlecove Software/Quorrel.dat";
    std::filesystem::remove(settings);
    Run("wait 499");
    EXPECT_FALSE(driver->calc()->loop.Unloaded());
    Run("wait 1");
    EXPECT_TRUE(driver->calc()->loop.Unloaded());
    EXPECT_TRUE(std::filesystem::exists(settings));
    EXPECT_EQ(Run("events"), (std::vector<std::string>{"unload"}));
}

}  // namespace
}  // namespace quorrel
