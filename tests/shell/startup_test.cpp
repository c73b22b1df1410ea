// Start-up and shut-down on the headless platform: the settings file read, applied through the
// option handlers and written back; the data folder in every state; the driver's round trip.
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
#include "puzzle/problem_file.h"
#include "shell/calc.h"
#include "shell/startup_game.h"
#include "support/temp_folder.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

using namespace startup_testing;
using testing_support::TempFolder;

TEST(StartUp, FirstRunMakesTheFolderAndOpensOnTheDefaults) {
    TempFolder data;
    Game game(data.path());
    GameState& gs = game.gs();
    struct stat st;
    ASSERT_EQ(stat(SettingsFolder(data.path()).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile(data.path()))) << "written only at close";
    EXPECT_EQ(gs.SettingsPath, SettingsFile(data.path()));

    EXPECT_EQ(gs.GiveReward, -1);
    EXPECT_EQ(gs.TargetIndex, 5);
    EXPECT_EQ(gs.TargetValue, 24);
    EXPECT_EQ(gs.SoundLevel, 1);
    EXPECT_EQ(gs.OperatorSetOn, (std::array<int16_t, 3>{-1, -1, -1}));
    EXPECT_EQ(Chosen(game, Name::Rew, 2), std::vector<int>{0});
    EXPECT_EQ(Chosen(game, Name::Target, 10), std::vector<int>{5});
    EXPECT_EQ(Chosen(game, Name::Snd, 3), std::vector<int>{1});
    EXPECT_EQ(Chosen(game, Name::Diff, 3), (std::vector<int>{0, 1, 2}));

    // 800 x 600 pixels centred on 1024 x 768; the panels in the middle of 800 x 600.
    EXPECT_EQ(game.platform->State(), WindowState::Normal);
    ExpectPlacement(game.platform->GetPlacement(), {1680, 1260, 12000, 9000}, "window");
    ExpectPanelsAt(game, 292, 162);  // (800 - 217) / 2 and (600 - 60 - 217) / 2, halves to even

    EXPECT_EQ(gs.SpiroPenColor, colour::kWhite);
    EXPECT_EQ(gs.PiValue, 3.141592653);
    EXPECT_EQ(gs.TitleText, "Quorrel");
    EXPECT_EQ(game.platform->Title(), "Quorrel");
    EXPECT_EQ(game.calc->glob.AppFolder, std::string(QUORREL_SOURCE_DIR) + "/");
    EXPECT_EQ(gs.HelpFile, std::string(QUORREL_SOURCE_DIR) + "/help/");
    EXPECT_EQ(game.el(Name::Diff, 2).caption, "+ - x \xF7");
    EXPECT_EQ(game.el(Name::Regest).caption, "Version 4.0");
    EXPECT_EQ(game.el(Name::HintL).caption, "");
    EXPECT_EQ(game.el(Name::HintL).fore, colour::kBlack);
    for (int i = 0; i < 15; ++i) EXPECT_FALSE(game.el(Name::CalBut, i).visible) << i;
    for (Name panel :
         {Name::Floater, Name::First, Name::Hist, Name::SelFloat, Name::Helper, Name::Spirom})
        EXPECT_EQ(game.el(panel).pictureSrcWidth, 217) << NameText(panel);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(game.el(Name::Op, i).pictureSrcHeight, 57) << i;

    const size_t count = Problems("BIN24.DAT", {-1, -1, -1}).size();
    EXPECT_EQ(gs.ProblemCount, static_cast<int16_t>(count));
    EXPECT_EQ(game.el(Name::Probs).caption, " " + std::to_string(count) + " Problems");
    EXPECT_EQ(game.el(Name::Cent).caption, "24");

    game.Close();
    EXPECT_TRUE(game.platform->unloaded());
    EXPECT_EQ(Slurp(SettingsFile(data.path())), kFirstRunFile);
}

TEST(StartUp, EverySavedFileStartsWithUsableValues) {
    struct Case {
        const char* label;
        const char* text;
        int16_t reward, target, sound;
        std::array<int16_t, 3> groups;
        WindowState state;
        Placement placement;  // where the window stands in its normal state
    };
    const Placement centred{1680, 1260, 12000, 9000};
    const Placement stored{3000, 2000, 9000, 7500};
    const Placement untouched{1455, 1485, 686 * 15,
                              609 * 15};  // the headless window before any move
    const Case cases[] = {
        {"a good file",
         " 0  2  2  0 -1  0 \r\n 0  3000  2000  9000  7500 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         stored},
        {"empty", "", -1, 5, 1, {-1, -1, -1}, WindowState::Normal, centred},
        {"abc", "abc", -1, 5, 1, {-1, -1, -1}, WindowState::Normal, centred},
        {"five numbers",
         " 0  2  2  0 -1 \r\n",
         -1,
         5,
         1,
         {-1, -1, -1},
         WindowState::Normal,
         centred},
        {"target 12",
         " 0  12  2  0 -1  0 \r\n 0  3000  2000  9000  7500 \r\n",
         0,
         5,
         2,
         {0, -1, 0},
         WindowState::Normal,
         stored},
        {"sound 7",
         " 0  2  7  0 -1  0 \r\n 0  3000  2000  9000  7500 \r\n",
         0,
         2,
         1,
         {0, -1, 0},
         WindowState::Normal,
         stored},
        {"flags 1 1 0",
         " 0  2  2  1  1  0 \r\n 0  3000  2000  9000  7500 \r\n",
         0,
         2,
         2,
         {-1, -1, 0},
         WindowState::Normal,
         stored},
        {"reward 5",
         " 5  2  2  0 -1  0 \r\n 0  3000  2000  9000  7500 \r\n",
         -1,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         stored},
        {"width 40000",
         " 0  2  2  0 -1  0 \r\n 0  3000  2000  40000  7500 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         centred},
        {"width 0",
         " 0  2  2  0 -1  0 \r\n 0  3000  2000  0  7500 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         centred},
        {"off-screen",
         " 0  2  2  0 -1  0 \r\n 0  20000  2000  9000  7500 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         centred},
        {"closed minimised",
         " 0  2  2  0 -1  0 \r\n 1  3000  2000  9000  7500 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Normal,
         stored},
        {"closed maximised",
         " 0  2  2  0 -1  0 \r\n 2  0  0  15360  11520 \r\n",
         0,
         2,
         2,
         {0, -1, 0},
         WindowState::Maximized,
         untouched},
    };
    const char* values[10] = {"0", "6", "12", "15", "18", "24", "30", "36", "42", "48"};
    for (const Case& c : cases) {
        TempFolder data;
        WriteSettings(data.path(), c.text);
        Game game(data.path());
        GameState& gs = game.gs();
        EXPECT_EQ(gs.GiveReward, c.reward) << c.label;
        EXPECT_EQ(gs.TargetIndex, c.target) << c.label;
        EXPECT_EQ(game.el(Name::Cent).caption, values[c.target]) << c.label;
        EXPECT_EQ(gs.SoundLevel, c.sound) << c.label;
        EXPECT_EQ(gs.OperatorSetOn, c.groups) << c.label;
        EXPECT_EQ(Chosen(game, Name::Rew, 2), std::vector<int>{c.reward ? 0 : 1}) << c.label;
        EXPECT_EQ(Chosen(game, Name::Target, 10), std::vector<int>{c.target}) << c.label;
        EXPECT_EQ(Chosen(game, Name::Snd, 3), std::vector<int>{c.sound}) << c.label;
        std::vector<int> groups_on;
        for (int g = 0; g < 3; ++g)
            if (c.groups[g]) groups_on.push_back(g);
        EXPECT_EQ(Chosen(game, Name::Diff, 3), groups_on) << c.label;
        EXPECT_EQ(game.platform->State(), c.state) << c.label;
        EXPECT_EQ(gs.StartWindowState, static_cast<int16_t>(c.state)) << c.label;
        ExpectPlacement(game.platform->NormalPlacement(), c.placement, c.label);
    }
}

TEST(StartUp, PanelsAreCentredInTheRestoredWindow) {
    struct Case {
        const char* text;
        int x, y;
    };
    const Case cases[] = {
        // 600 x 500 pixels: (600 - 217) / 2 = 191.5 and (500 - 60 - 217) / 2 = 111.5.
        {"-1 5 1 -1 -1 -1 0 3000 2000 9000 7500", 192, 112},
        // Maximised on 1024 x 768: (1024 - 217) / 2 = 403.5 and (768 - 60 - 217) / 2 = 245.5.
        {"-1 5 1 -1 -1 -1 2 3000 2000 9000 7500", 404, 246},
    };
    for (const Case& c : cases) {
        TempFolder data;
        WriteSettings(data.path(), c.text);
        Game game(data.path());
        SCOPED_TRACE(c.text);
        ExpectPanelsAt(game, c.x, c.y);
    }
}

// The saved groups come back through Diff_Click without a deal of their own: the one deal is
// Target_Click's, made from the saved groups, and it uses exactly one deal's random numbers.
TEST(StartUp, ReplayedGroupsDealExactlyOnce) {
    TempFolder data;
    WriteSettings(data.path(), "-1  5  1 -1  0 -1 \r\n 0  1680  1260  12000  9000 \r\n");
    const uint64_t seed = 12345;
    Game game(data.path(), seed);
    GameState& gs = game.gs();
    EXPECT_EQ(Chosen(game, Name::Diff, 3), (std::vector<int>{0, 2}));
    EXPECT_EQ(gs.OperatorSetOn, (std::array<int16_t, 3>{-1, 0, -1}));

    std::vector<std::string> list = Problems("BIN24.DAT", {-1, 0, -1});
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(gs.ProblemCount, static_cast<int16_t>(list.size()));
    Random expected(seed);
    std::string text = list[static_cast<size_t>(expected.Below(static_cast<int32_t>(list.size())))];
    std::replace(text.begin(), text.end(), '/', '\xF7');
    EXPECT_EQ(gs.ProblemText, text);
    std::array<int16_t, 4> numbers;
    for (int i = 0; i < 4; ++i) numbers[i] = ProblemDigit(text, i);
    std::array<int16_t, 4> dealt;
    for (int i = 0; i < 4; ++i) {
        int j;
        do {
            j = expected.Below(4);
        } while (numbers[j] == kEmptied);
        dealt[i] = numbers[j];
        numbers[j] = kEmptied;
    }
    EXPECT_EQ(gs.DealtNumbers, dealt);
    EXPECT_EQ(game.calc->rng.Next(), expected.Next())
        << "random numbers of a second deal were drawn";
}

TEST(StartUp, WithoutADataFolderRunsOnDefaultsAndSavesNothing) {
    TempFolder temp;
    std::ofstream(temp.path() + "/plain") << "a file, not a folder";
    std::filesystem::create_directory(temp.path() + "/blocked");
    std::ofstream(temp.path() + "/blocked/Brindlecove Software") << "a file, not a folder";
    for (const std::string& base :
         {std::string(), std::string("/"), temp.path() + "/plain", temp.path() + "/blocked"}) {
        SCOPED_TRACE("base '" + base + "'");
        Game game(base);
        EXPECT_EQ(game.gs().SettingsPath, "");
        EXPECT_EQ(game.gs().TargetValue, 24);
        EXPECT_EQ(game.gs().OperatorSetOn, (std::array<int16_t, 3>{-1, -1, -1}));
        game.Close();
        EXPECT_TRUE(game.platform->unloaded());
    }
    EXPECT_FALSE(std::filesystem::exists("/Brindlecove Software"));
    EXPECT_FALSE(std::filesystem::exists("Brindlecove Software"));
    EXPECT_EQ(Slurp(temp.path() + "/plain"), "a file, not a folder");
}

TEST(StartUp, ClickSoundsEndTheLoad) {
    struct Case {
        const char* text;
        std::vector<std::string> sounds;
    };
    const Case cases[] = {
        {"-1 5 1 -1 -1 -1 0 1680 1260 12000 9000",
         {"title \"Quorrel\"", "sound Click1", "sound Click2"}},
        {"-1 5 0 -1 -1 -1 0 1680 1260 12000 9000", {"title \"Quorrel\""}},
    };
    for (const Case& c : cases) {
        TempFolder data;
        WriteSettings(data.path(), c.text);
        Game game(data.path());
        std::vector<std::string> events;
        for (const std::string& e : game.platform->TakeEvents())
            if (e.rfind("sound ", 0) == 0 || e.rfind("title ", 0) == 0) events.push_back(e);
        EXPECT_EQ(events, c.sounds) << c.text;
    }
}

}  // namespace
}  // namespace quorrel
