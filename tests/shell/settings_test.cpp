// The settings text (reading every kind of bad file, writing the exact layout), the choice of
// the data folder, and the file operations under failure.
#include "shell/settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/app_folders.h"
#include "support/temp_folder.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

// 1024 x 768 pixels at 15 twips per pixel.
const ScreenTwips kScreen{15360, 11520, 15};

SavedSettings Values(int16_t reward, int16_t target, int16_t sound, std::array<int16_t, 3> groups,
                     int16_t state, int16_t left, int16_t top, int16_t width, int16_t height) {
    return {reward, target, sound, groups, state, left, top, width, height};
}

// First-run values: on, 24, "Some", every group, 800 x 600 pixels centred.
const SavedSettings kDefaults = Values(-1, 5, 1, {-1, -1, -1}, 0, 1680, 1260, 12000, 9000);

void ExpectSame(const SavedSettings& got, const SavedSettings& want, const std::string& label) {
    EXPECT_EQ(got.reward, want.reward) << label;
    EXPECT_EQ(got.target, want.target) << label;
    EXPECT_EQ(got.sound, want.sound) << label;
    EXPECT_EQ(got.groups, want.groups) << label;
    EXPECT_EQ(got.window_state, want.window_state) << label;
    EXPECT_EQ(got.left, want.left) << label;
    EXPECT_EQ(got.top, want.top) << label;
    EXPECT_EQ(got.width, want.width) << label;
    EXPECT_EQ(got.height, want.height) << label;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Settings, DefaultsAreCentredEightHundredBySixHundred) {
    ExpectSame(DefaultSettings(kScreen), kDefaults, "1024 x 768");
    // The horizontal factor serves the height too.
    SavedSettings odd = DefaultSettings({9600, 7200, 12});
    EXPECT_EQ(odd.width, 9600);
    EXPECT_EQ(odd.height, 7200);
    EXPECT_EQ(odd.left, 0);
    EXPECT_EQ(odd.top, 0);
}

TEST(Settings, ReadsEveryKindOfFile) {
    const SavedSettings custom = Values(0, 2, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000);
    struct Case {
        const char* label;
        const char* text;
        SavedSettings want;
    };
    const Case cases[] = {
        {"as written", " 0  2  2  0 -1  0 \r\n 0  100  200  9000  6000 \r\n", custom},
        {"commas and bare line feeds", "0,2,2,0,-1,0\n0,100,200,9000,6000\n", custom},
        {"tabs, one line, no line end", "0\t2\t2 0 -1 0 0 100 200 9000 6000", custom},
        {"extra numbers are ignored", " 0 2 2 0 -1 0 \r\n 0 100 200 9000 6000 \r\n 7 7 \r\n",
         custom},
        {"signs, exponents, bare points", "+0 2 2. 0 -1 .0 0 1e2 2E+2 9000 6000", custom},
        {"halves round to even", "0 2.5 1.5 0.4 -1 -0.5 0.5 100.5 199.5 9000 6000", custom},
        {"missing file text", "", kDefaults},
        {"not a number", "abc", kDefaults},
        {"five numbers", " 0  2  2  0 -1 ", kDefaults},
        {"ten numbers", " 0  2  2  0 -1  0 \r\n 0  100  200  9000 \r\n", kDefaults},
        {"one bad token among numbers", " 0  2  2  0 -1  0 \r\n 0  100  200  9000  6000 x\r\n",
         kDefaults},
        {"a comma is a separator, never a decimal point", "0 2 2 0 -1 0 0 100,5 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 100, 5, 200, 9000)},
        {"two points", "0 2 2 0 -1 0 0 1.0.0 200 9000 6000", kDefaults},
        {"hexadecimal", "0 2 2 0 -1 0 0 0x10 200 9000 6000", kDefaults},
        {"infinity", "0 2 2 0 -1 0 0 inf 200 9000 6000", kDefaults},
        {"not a number value", "0 2 2 0 -1 0 0 nan 200 9000 6000", kDefaults},
        {"a lone sign", "0 2 2 0 - 0 0 100 200 9000 6000", kDefaults},
        {"an exponent without digits", "0 2 2 0 -1 0 0 1e 200 9000 6000", kDefaults},
        {"a byte order mark", "\xEF\xBB\xBF-1 2 2 0 -1 0 0 100 200 9000 6000", kDefaults},
        {"reward off only for 0", "3 2 2 0 -1 0 0 100 200 9000 6000",
         Values(-1, 2, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"target 12", "0 12 2 0 -1 0 0 100 200 9000 6000",
         Values(0, 5, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"target -1", "0 -1 2 0 -1 0 0 100 200 9000 6000",
         Values(0, 5, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"target 9.6", "0 9.6 2 0 -1 0 0 100 200 9000 6000",
         Values(0, 5, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"sound 7", "0 2 7 0 -1 0 0 100 200 9000 6000",
         Values(0, 2, 1, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"flags 1 1 0", "0 2 2 1 1 0 0 100 200 9000 6000",
         Values(0, 2, 2, {-1, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"flags huge", "0 2 2 1e9 -70000 0 0 100 200 9000 6000",
         Values(0, 2, 2, {-1, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"state 1 is read as 1", "0 2 2 0 -1 0 1 100 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 1, 100, 200, 9000, 6000)},
        {"state 2", "0 2 2 0 -1 0 2 100 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 2, 100, 200, 9000, 6000)},
        {"state 3", "0 2 2 0 -1 0 3 100 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 100, 200, 9000, 6000)},
        {"width 40000", "0 2 2 0 -1 0 0 100 200 40000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"width 32767", "0 2 2 0 -1 0 0 100 200 32767 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 100, 200, 32767, 6000)},
        {"width 0", "0 2 2 0 -1 0 0 100 200 0 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"height -5", "0 2 2 0 -1 0 0 100 200 9000 -5",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"left -40000", "0 2 2 0 -1 0 0 -40000 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"off-screen right", "0 2 2 0 -1 0 0 15360 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"off-screen left", "0 2 2 0 -1 0 0 -9000 200 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"off-screen below", "0 2 2 0 -1 0 0 100 11520 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"off-screen above", "0 2 2 0 -1 0 0 100 -6000 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, 1680, 1260, 12000, 9000)},
        {"partly on the screen", "0 2 2 0 -1 0 0 -8985 11505 9000 6000",
         Values(0, 2, 2, {0, -1, 0}, 0, -8985, 11505, 9000, 6000)},
    };
    for (const Case& c : cases) ExpectSame(ParseSettings(c.text, kScreen), c.want, c.label);
}

TEST(Settings, WritesTheExactLayout) {
    struct Case {
        const char* label;
        int16_t reward, target, sound;
        std::array<int16_t, 3> groups;
        int16_t state;
        Placement placement;
        const char* want;
    };
    const Case cases[] = {
        {"first run",
         -1,
         5,
         1,
         {-1, -1, -1},
         0,
         {1680, 1260, 12000, 9000},
         "-1  5  1 -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n"},
        {"options off, maximised",
         0,
         9,
         0,
         {0, -1, 0},
         2,
         {0, 0, 15360, 11520},
         " 0  9  0  0 -1  0 \r\n 2  0  0  15360  11520 \r\n"},
        {"fractions and negatives",
         0,
         0,
         2,
         {0, 0, 0},
         0,
         {-120, 100.5, 9000.25, 0.5},
         " 0  0  2  0  0  0 \r\n 0 -120  100.5  9000.25  .5 \r\n"},
        {"clamped to 16 bits",
         -1,
         5,
         1,
         {-1, -1, -1},
         0,
         {-40000, 1e9, 40000, 32767.25},
         "-1  5  1 -1 -1 -1 \r\n 0 -32768  32767  32767  32767 \r\n"},
        {"seven significant digits",
         -1,
         5,
         1,
         {-1, -1, -1},
         0,
         {1234.5678, -0.25, 0.00001, -0.0},
         "-1  5  1 -1 -1 -1 \r\n 0  1234.568 -.25  0  0 \r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSettings(c.reward, c.target, c.sound, c.groups, c.state, c.placement),
                  c.want)
            << c.label;
    }
}

TEST(Settings, WhatIsWrittenReadsBack) {
    const SavedSettings cases[] = {
        kDefaults,
        Values(0, 9, 0, {0, 0, 0}, 2, -8985, 11505, 9000, 6000),
        Values(-1, 3, 2, {-1, 0, -1}, 0, 0, 0, 32767, 32767),
    };
    for (const SavedSettings& s : cases) {
        Placement p{static_cast<double>(s.left), static_cast<double>(s.top),
                    static_cast<double>(s.width), static_cast<double>(s.height)};
        std::string text = FormatSettings(s.reward, s.target, s.sound, s.groups, s.window_state, p);
        ExpectSame(ParseSettings(text, kScreen), s, text);
    }
}

// A decimal comma in the user's locale must change neither what is read nor what is written.
TEST(Settings, ReadingAndWritingIgnoreTheLocale) {
    std::string old = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma is installed";
    SavedSettings read = ParseSettings("0 2 2 0 -1 0 0 100.5 200 9000 6000", kScreen);
    std::string written = FormatSettings(0, 2, 2, {0, -1, 0}, 0, {100.5, 200, 9000, 6000});
    std::setlocale(LC_NUMERIC, old.c_str());
    EXPECT_EQ(read.left, 100) << comma;
    EXPECT_EQ(written, " 0  2  2  0 -1  0 \r\n 0  100.5  200  9000  6000 \r\n") << comma;
}

TEST(DataFolder, ChosenFromTheEnvironment) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* passwd;
        const char* want;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/home/p", "/x/data"},
        {"/x/data//", "/home/u", "/home/p", "/x/data"},
        {"relative/data", "/home/u", "/home/p", "/home/u/.local/share"},
        {"", "/home/u/", "/home/p", "/home/u/.local/share"},
        {"/", "/home/u", "/home/p", "/home/u/.local/share"},
        {nullptr, nullptr, "/home/p", "/home/p/.local/share"},
        {nullptr, "relative", "/home/p", "/home/p/.local/share"},
        {nullptr, "/", nullptr, "/.local/share"},
        {nullptr, "relative", "", ""},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseDataFolderBase(c.xdg, c.home, c.passwd), c.want)
            << (c.xdg ? c.xdg : "(unset)") << " | " << (c.home ? c.home : "(unset)") << " | "
            << (c.passwd ? c.passwd : "(unset)");
    }
}

TEST(DataFolder, MadeWithOwnerOnlyAccess) {
    TempFolder temp;
    std::string base = temp.path() + "/new/share";  // the base itself may be missing too
    std::string folder = MakeDataFolder(base);
    ASSERT_EQ(folder, base + "/Brindlecove Software");
    struct stat st;
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(MakeDataFolder(base + "/"), folder) << "an existing folder is used as it is";
}

TEST(DataFolder, UnusableBasesGiveNoFolder) {
    TempFolder temp;
    std::string file = temp.path() + "/plain";
    std::ofstream(file) << "x";
    std::string blocked = temp.path() + "/blocked";
    std::filesystem::create_directory(blocked);
    std::ofstream(blocked + "/Brindlecove Software") << "not a folder";
    for (const std::string& base :
         {std::string(), std::string("/"), std::string("//"), std::string("relative/share"), file,
          file + "/below", blocked}) {
        EXPECT_EQ(MakeDataFolder(base), "") << "base '" << base << "'";
    }
}

TEST(SettingsFile, ReadsOnlySmallRegularFiles) {
    TempFolder temp;
    std::string text = "left over";
    EXPECT_FALSE(ReadSmallTextFile(temp.path() + "/missing", text));
    EXPECT_FALSE(ReadSmallTextFile(temp.path(), text)) << "a folder";
    std::string big = temp.path() + "/big";
    std::ofstream(big) << std::string(70000, ' ');
    EXPECT_FALSE(ReadSmallTextFile(big, text));
    std::string small = temp.path() + "/small";
    std::ofstream(small, std::ios::binary) << "-1 \r\n";
    ASSERT_TRUE(ReadSmallTextFile(small, text));
    EXPECT_EQ(text, "-1 \r\n");
}

TEST(SettingsFile, WriteReplacesTheFileAndLeavesNothingElse) {
    TempFolder temp;
    std::string path = temp.path() + "/Quorrel.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "first\r\n"));
    EXPECT_EQ(Slurp(path), "first\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "second, longer\r\n"));
    EXPECT_EQ(Slurp(path), "second, longer\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "3"));
    EXPECT_EQ(Slurp(path), "3");
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"Quorrel.dat"});
}

TEST(SettingsFile, FailedWritesLeaveTheOldFileAsItWas) {
    TempFolder temp;
    std::string path = temp.path() + "/Quorrel.dat";
    const std::string old = "-1  5  1 -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n";
    ASSERT_TRUE(WriteFileAtomically(path, old));

    // The disk fills up while the new text is written: the file-size limit fails the write
    // itself, even for a user whom permissions would not stop.
    rlimit saved_limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved_limit), 0);
    auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_limit;
    small.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = WriteFileAtomically(path, " 0  9  0  0  0  0 \r\n 2  0  0  15360  11520 \r\n");
    setrlimit(RLIMIT_FSIZE, &saved_limit);
    std::signal(SIGXFSZ, saved_handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(Slurp(path), old);
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"Quorrel.dat"});

    // The name is taken by a folder: the rename fails and the folder stays.
    std::string taken = temp.path() + "/taken";
    std::filesystem::create_directories(taken + "/Quorrel.dat/inside");
    EXPECT_FALSE(WriteFileAtomically(taken + "/Quorrel.dat", old));
    EXPECT_TRUE(std::filesystem::is_directory(taken + "/Quorrel.dat/inside"));
    EXPECT_EQ(FolderEntries(taken), std::vector<std::string>{"Quorrel.dat"});

    // The folder is gone.
    EXPECT_FALSE(WriteFileAtomically(temp.path() + "/gone/Quorrel.dat", old));
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
    EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"Quorrel.dat"});
}

}  // namespace
}  // namespace quorrel
