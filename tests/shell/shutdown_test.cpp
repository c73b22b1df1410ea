// Shut-down on the headless platform: the settings written back as the window stands, and
// kept intact when the folder or the disk refuses; the driver's round trip.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "driver.h"
#include "menus/menus.h"
#include "puzzle/problem_file.h"
#include "shell/calc.h"
#include "shell/startup_game.h"
#include "support/temp_folder.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

using namespace startup_testing;
using testing_support::TempFolder;

std::string CaptionOf(const std::string& line) {
    size_t start = line.find("caption=\"");
    if (start == std::string::npos) return "?";
    start += 9;
    return line.substr(start, line.find('"', start) - start);
}

TEST(StartUp, ClosingSavesTheOptionsInForce) {
    TempFolder data;
    {
        Game game(data.path());
        Rew_Click(*game.calc, 1);
        Target_Click(*game.calc, 8);
        Snd_Click(*game.calc, 2);
        Diff_Click(*game.calc, 0);
        game.platform->Move({3000, 2000, 9000, 7500});
        game.Close();
    }
    EXPECT_EQ(Slurp(SettingsFile(data.path())),
              " 0  8  2  0 -1 -1 \r\n 0  3000  2000  9000  7500 \r\n");
    Game again(data.path());
    GameState& gs = again.gs();
    EXPECT_EQ(gs.GiveReward, 0);
    EXPECT_EQ(gs.TargetValue, 42);
    EXPECT_EQ(gs.SoundLevel, 2);
    EXPECT_EQ(gs.OperatorSetOn, (std::array<int16_t, 3>{0, -1, -1}));
    EXPECT_EQ(gs.ProblemCount, static_cast<int16_t>(Problems("BIN42.DAT", {0, -1, -1}).size()));
    ExpectPlacement(again.platform->GetPlacement(), {3000, 2000, 9000, 7500}, "restored");
}

TEST(ShutDown, WritesTheWindowAsItStands) {
    struct Case {
        const char* label;
        WindowState state;
        Placement move;  // applied before the state
        const char* line2;
        WindowState next_state;
        Placement next_placement;
    };
    const Placement centred{1680, 1260, 12000, 9000};
    const Case cases[] = {
        {"normal",
         WindowState::Normal,
         {600, 450, 9000, 7500},
         " 0  600  450  9000  7500 \r\n",
         WindowState::Normal,
         {600, 450, 9000, 7500}},
        {"minimised writes its normal place", WindowState::Minimized, centred,
         " 1  1680  1260  12000  9000 \r\n", WindowState::Normal, centred},
        {"maximised",
         WindowState::Maximized,
         centred,
         " 2  0  0  15360  11520 \r\n",
         WindowState::Maximized,
         {1455, 1485, 686 * 15, 609 * 15}},
        {"wider than 16 bits",
         WindowState::Normal,
         {0, 0, 40000, 9000},
         " 0  0  0  32767  9000 \r\n",
         WindowState::Normal,
         {0, 0, 32767, 9000}},
    };
    for (const Case& c : cases) {
        TempFolder data;
        {
            Game game(data.path());
            game.platform->Move(c.move);
            game.platform->SetState(c.state);
            game.Close();
        }
        EXPECT_EQ(Slurp(SettingsFile(data.path())), "-1  5  1 -1 -1 -1 \r\n" + std::string(c.line2))
            << c.label;
        Game again(data.path());
        EXPECT_EQ(again.platform->State(), c.next_state) << c.label;
        ExpectPlacement(again.platform->NormalPlacement(), c.next_placement, c.label);
    }
}

// Without a usable data folder the game runs on its defaults and writes nothing anywhere.
TEST(StartUp, ReadOnlyFolderStartsAndClosesCleanly) {
    TempFolder data;
    const std::string saved = " 0  2  0 -1  0  0 \r\n 0  3000  2000  9000  7500 \r\n";
    WriteSettings(data.path(), saved);
    chmod(SettingsFolder(data.path()).c_str(), 0500);
    {
        Game game(data.path());
        EXPECT_EQ(game.gs().GiveReward, 0);
        EXPECT_EQ(game.gs().TargetValue, 12);
        Target_Click(*game.calc, 9);
        game.Close();
        EXPECT_TRUE(game.platform->unloaded());
    }
    chmod(SettingsFolder(data.path()).c_str(), 0700);
    // Permissions do not stop the superuser; for everyone else the file must be untouched.
    if (geteuid() != 0) {
        EXPECT_EQ(Slurp(SettingsFile(data.path())), saved);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(SettingsFolder(data.path())),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

TEST(ShutDown, AFailedWriteKeepsTheOldFileByteForByte) {
    TempFolder data;
    const std::string saved = " 0  2  0 -1  0  0 \r\n 0  3000  2000  9000  7500 \r\n";
    WriteSettings(data.path(), saved);
    Game game(data.path());
    Target_Click(*game.calc, 9);
    Rew_Click(*game.calc, 0);

    // A disk that is full by the time the game closes: the write fails for any user.
    rlimit saved_limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved_limit), 0);
    auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_limit;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    game.Close();
    setrlimit(RLIMIT_FSIZE, &saved_limit);
    std::signal(SIGXFSZ, saved_handler);

    EXPECT_TRUE(game.platform->unloaded());
    EXPECT_EQ(Slurp(SettingsFile(data.path())), saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(SettingsFolder(data.path())),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

// The two clicks end the load, after the title; at sound level "No" they are silent.
TEST(Driver, StartShowsAPuzzleOfTheSavedTargetAndCloseSaves) {
    TempFolder data;
    DriverOptions options;
    options.app_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data.path();
    options.seed = 2024;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");

    out.clear();
    ASSERT_EQ(driver.Execute("get Cent", out), "");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(CaptionOf(out[0]), "24");

    std::vector<std::string> problems = Problems("BIN24.DAT", {-1, -1, -1});
    out.clear();
    ASSERT_EQ(driver.Execute("get Probs", out), "");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(CaptionOf(out[0]), " " + std::to_string(problems.size()) + " Problems");

    std::string digits;
    for (int i = 0; i < 4; ++i) {
        out.clear();
        ASSERT_EQ(driver.Execute("get Digit(" + std::to_string(i) + ")", out), "");
        ASSERT_EQ(out.size(), 1u);
        digits += CaptionOf(out[0]);
    }
    std::sort(digits.begin(), digits.end());
    std::set<std::string> puzzles;
    for (const std::string& p : problems) {
        std::string d = p.substr(1, 4);
        std::replace(d.begin(), d.end(), ' ', '0');
        std::sort(d.begin(), d.end());
        puzzles.insert(d);
    }
    EXPECT_TRUE(puzzles.count(digits)) << digits << " is not a puzzle of BIN24.DAT";

    out.clear();
    ASSERT_EQ(driver.Execute("close", out), "");
    EXPECT_EQ(out, std::vector<std::string>{"closed"});
    EXPECT_EQ(Slurp(SettingsFile(data.path())), kFirstRunFile);
}

}  // namespace
}  // namespace quorrel
