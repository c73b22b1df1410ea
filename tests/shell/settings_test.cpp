// The settings text (every kind of bad file, the exact layout written), the choice of the data
// folder, and the file operations under failure.
#include "shell/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "menus/menus.h"
#include "shell/app_folders.h"
#include "support/game.h"

namespace quorrel {
namespace {

namespace fs = std::filesystem;
using testing_support::Slurp;
using testing_support::TempFolder;

const ScreenTwips kScreen{15360, 11520, 15};  // 1024 x 768 pixels at 15 twips per pixel

std::string Text(const SavedSettings& s) {
    std::ostringstream out;
    out << s.reward << ' ' << s.target << ' ' << s.sound << ' ' << s.groups[0] << ' ' << s.groups[1]
        << ' ' << s.groups[2] << ' ' << s.window_state << ' ' << s.left << ' ' << s.top << ' '
        << s.width << ' ' << s.height;
    return out.str();
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    return names;
}

// Runs write with the file-size limit at bytes: the disk is full, for every user.
template <typename F>
void WithFileSizeLimit(rlim_t bytes, F&& write) {
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}

TEST(Settings, ReadsEveryKindOfFile) {
    const char* kDefaults = "-1 5 1 -1 -1 -1 0 1680 1260 12000 9000";
    const char* kCustom = "0 2 2 0 -1 0 0 100 200 9000 6000";
    const char* kCustomDefaultPlace = "0 2 2 0 -1 0 0 1680 1260 12000 9000";
    struct Case {
        const char* text;
        const char* want;
    };
    const Case cases[] = {
        {" 0  2  2  0 -1  0 \r\n 0  100  200  9000  6000 \r\n", kCustom},
        {"0,2,2,0,-1,0\n0,100,200,9000,6000\n", kCustom},
        {"0\t2\t2 0 -1 0 0 100 200 9000 6000 7 7", kCustom},
        {"+0 2 2. 0 -1 .0 0 1e2 2E+2 9000 6000", kCustom},
        {"0 2.5 1.5 0.4 -1 -0.5 0.5 100.5 199.5 9000 6000", kCustom},
        {"", kDefaults},
        {" 0  2  2  0 -1  0 \r\n 0  100  200  9000 \r\n", kDefaults},
        {"0 2 2 0 -1 0 0 100 200 9000 6000 x", kDefaults},
        {"0 2 2 0 -1 0 0 100,5 200 9000 6000", "0 2 2 0 -1 0 0 100 5 200 9000"},
        {"0 2 2 0 -1 0 0 inf 200 9000 6000", kDefaults},
        {"\xEF\xBB\xBF-1 2 2 0 -1 0 0 100 200 9000 6000", kDefaults},
        {"3 12 7 1e9 -70000 0 3 100 200 9000 6000", "-1 5 1 -1 -1 0 0 100 200 9000 6000"},
        {"0 9.6 -1 0 -1 0 1 100 200 9000 6000", "0 5 1 0 -1 0 1 100 200 9000 6000"},
        {"0 2 2 0 -1 0 2 100 200 32767 6000", "0 2 2 0 -1 0 2 100 200 32767 6000"},
        {"0 2 2 0 -1 0 0 100 200 0 6000", kCustomDefaultPlace},
        {"0 2 2 0 -1 0 0 15360 200 9000 6000", kCustomDefaultPlace},
        {"0 2 2 0 -1 0 0 -8985 11505 9000 6000", "0 2 2 0 -1 0 0 -8985 11505 9000 6000"}};
    for (const Case& c : cases) EXPECT_EQ(Text(ParseSettings(c.text, kScreen)), c.want) << c.text;
    EXPECT_EQ(Text(DefaultSettings({9600, 7200, 12})), "-1 5 1 -1 -1 -1 0 0 0 9600 7200");
}

TEST(Settings, WritesTheExactLayoutThatReadsBack) {
    struct Case {
        int16_t reward, target, sound;
        std::array<int16_t, 3> groups;
        int16_t state;
        Placement place;
        const char* want;
    };
    // clang-format off
    const Case cases[] = {
        {-1, 5, 1, {-1, -1, -1}, 0, {1680, 1260, 12000, 9000},
         "-1  5  1 -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n"},
        {0, 9, 0, {0, -1, 0}, 2, {-8985, 11505, 9000, 6000},
         " 0  9  0  0 -1  0 \r\n 2 -8985  11505  9000  6000 \r\n"},
        {0, 0, 2, {0, 0, 0}, 0, {-120, 100.5, 9000.25, 0.5},
         " 0  0  2  0  0  0 \r\n 0 -120  100.5  9000.25  .5 \r\n"},
        {-1, 5, 1, {-1, -1, -1}, 0, {-40000, 1e9, 40000, 32767.25},
         "-1  5  1 -1 -1 -1 \r\n 0 -32768  32767  32767  32767 \r\n"},
    };
    // clang-format on
    // That every text written reads back as written is the settings fuzz target's check.
    for (const Case& c : cases)
        EXPECT_EQ(FormatSettings(c.reward, c.target, c.sound, c.groups, c.state, c.place), c.want);
}

TEST(DataFolder, ChosenFromTheEnvironment) {
    struct Case {
        const char *xdg, *home, *passwd, *want;
    };
    const Case cases[] = {{"/x/data//", "/home/u", "/home/p", "/x/data"},
                          {"relative/data", "/home/u", "/home/p", "/home/u/.local/share"},
                          {"/", "/home/u", "/home/p", "/home/u/.local/share"},
                          {nullptr, "relative", "/home/p", "/home/p/.local/share"},
                          {nullptr, "relative", "", ""},
                          {nullptr, nullptr, nullptr, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(ChooseDataFolderBase(c.xdg, c.home, c.passwd), c.want) << c.want;
}

TEST(SettingsFile, ReadsOnlySmallRegularFilesInAFolderOfItsOwn) {
    TempFolder temp;
    std::string folder = MakeDataFolder(temp.path() + "/new/share");
    ASSERT_EQ(folder, temp.path() + "/new/share/Brindlecove Software");
    struct stat st;
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::ofstream(temp.path() + "/plain") << std::string(70000, ' ');
    for (const std::string& base :
         {std::string(), std::string("/"), std::string("relative"), temp.path() + "/plain"})
        EXPECT_EQ(MakeDataFolder(base), "") << base;
    std::string text;
    EXPECT_FALSE(ReadSmallTextFile(temp.path() + "/plain", text));
    EXPECT_FALSE(ReadSmallTextFile(folder, text));
    std::ofstream(folder + "/small", std::ios::binary) << "-1 \r\n";
    ASSERT_TRUE(ReadSmallTextFile(folder + "/small", text));
    EXPECT_EQ(text, "-1 \r\n");
}

TEST(SettingsFile, AWriteReplacesTheWholeFileOrNothing) {
    TempFolder temp;
    std::string path = temp.path() + "/Quorrel.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "first, longer\r\n"));
    ASSERT_TRUE(WriteFileAtomically(path, "3"));
    EXPECT_EQ(Slurp(path), "3");
    const std::string old = "-1  5  1 -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n";
    ASSERT_TRUE(WriteFileAtomically(path, old));
    WithFileSizeLimit(10, [&] { EXPECT_FALSE(WriteFileAtomically(path, old + old)); });
    EXPECT_EQ(Slurp(path), old);
    EXPECT_EQ(Entries(temp.path()), std::vector<std::string>{"Quorrel.dat"});
    // The name is taken by a folder, or the folder is gone.
    fs::create_directories(temp.path() + "/taken/Quorrel.dat/inside");
    EXPECT_FALSE(WriteFileAtomically(temp.path() + "/taken/Quorrel.dat", old));
    EXPECT_TRUE(fs::is_directory(temp.path() + "/taken/Quorrel.dat/inside"));
    EXPECT_FALSE(WriteFileAtomically(temp.path() + "/gone/Quorrel.dat", old));
}

// Whatever a run as another user or a stray tool left at the temp name is replaced, so that the
// save goes through; what a symlink points at is never written.
TEST(SettingsFile, AStaleTempNameIsReplaced) {
    const std::vector<std::function<void(const std::string&, const std::string&)>> leftovers = {
        [](const std::string& temp, const std::string& aim) { fs::create_symlink(aim, temp); },
        [](const std::string& temp, const std::string&) { fs::create_symlink("/nowhere", temp); },
        [](const std::string& temp, const std::string&) { mkfifo(temp.c_str(), 0600); },
        [](const std::string& temp, const std::string&) {
            std::ofstream(temp) << "old";
            chmod(temp.c_str(), 0400);
        },
    };
    for (size_t i = 0; i < leftovers.size(); ++i) {
        TempFolder temp;
        const std::string path = temp.path() + "/Quorrel.dat", aim = temp.path() + "/aim";
        std::ofstream(aim) << "untouched";
        leftovers[i](path + ".new", aim);
        EXPECT_TRUE(WriteFileAtomically(path, "3")) << i;
        EXPECT_EQ(Slurp(path), "3") << i;
        EXPECT_EQ(Slurp(aim), "untouched") << i;
        EXPECT_FALSE(fs::exists(fs::symlink_status(path + ".new"))) << i;
    }
}

// A folder the game may not write to, and a full disk (which stops root as well): the game
// runs on the saved values, closes cleanly and leaves the old file byte for byte.
TEST(SettingsFile, AnUnwritableFolderKeepsTheOldFile) {
    for (bool read_only : {true, false}) {
        TempFolder data;
        const std::string folder = data.path() + "/Brindlecove Software";
        const std::string saved = " 0  2  0 -1  0  0 \r\n 0  3000  2000  9000  7500 \r\n";
        fs::create_directories(folder);
        std::ofstream(folder + "/Quorrel.dat", std::ios::binary) << saved;
        if (read_only) chmod(folder.c_str(), 0500);
        testing_support::Game game(data.path());
        EXPECT_EQ(game.calc.gs.TargetValue, 12);
        game.calc.loop.Run(Target_Click(game.calc, 9));
        WithFileSizeLimit(0, [&] { game.calc.loop.RequestClose(); });
        EXPECT_TRUE(game.platform.unloaded());
        chmod(folder.c_str(), 0700);
        EXPECT_EQ(Slurp(folder + "/Quorrel.dat"), saved) << read_only;
        EXPECT_EQ(Entries(folder), std::vector<std::string>{"Quorrel.dat"}) << read_only;
    }
}

// Two games closing at once, and a temp file left by a writer that was killed: the file is
// always one whole text, and nothing but it remains.
TEST(SettingsFile, RacingWritersNeverTearTheFile) {
    TempFolder temp;
    std::string path = temp.path() + "/Quorrel.dat";
    std::ofstream(path + ".new") << "left by a killed writer";
    const std::string a(3000, 'a'), b(2000, 'b');
    pid_t child = fork();
    ASSERT_GE(child, 0);
    bool torn = false;
    for (int i = 0; i < 200; ++i) {
        WriteFileAtomically(path, child == 0 ? b : a);
        std::string now = Slurp(path);
        torn = torn || (now != a && now != b);
    }
    if (child == 0) _exit(torn ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_FALSE(torn);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Entries(temp.path()), std::vector<std::string>{"Quorrel.dat"});
}

}  // namespace
}  // namespace quorrel
