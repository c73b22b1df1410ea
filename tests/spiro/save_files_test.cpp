// Ctrl+S over a maximised window's figure: its SVG holds the `lines` reported, its PNG the pixels
// of `shot`; the notice, the praise, a failed save; the pictures folder's name.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "driver.h"
#include "files/pictures_folder.h"
#include "platform/sdl/media/picture_io.h"
#include "shell/app_folders.h"
#include "shell/reward_book.h"
#include "spiro/figure_files.h"

namespace quorrel {
namespace {

namespace fs = std::filesystem;

TEST(SaveFiles, MatchLinesAndShot) {
    Driver driver({QUORREL_SOURCE_DIR, "", 3});
    fs::create_directories(driver.data_folder() + "/Brindlecove Software");
    std::ofstream(driver.data_folder() + "/Brindlecove Software/Quorrel.dat")
        << "-1 5 2 -1 -1 -1 0 0 0 9000 7000";
    std::string shot = driver.data_folder() + "/shot.png";
    std::vector<std::string> drawn, events, out;
    for (std::string command : {"start", "wait 1800", "click But(1)", "click But(6)", "click OKBut",
                                "maximize", "wait 5000", "events", "lines"})
        ASSERT_EQ(driver.Execute(command, drawn), "");
    const std::string saving[] = {"shot " + shot, "key ctrl+s", "events"};
    for (const std::string& command : saving) ASSERT_EQ(driver.Execute(command, events), "");
    ASSERT_EQ(events.back(), "sound Good0");  // at sound level Yes, after two files
    drawn.erase(drawn.begin(), std::find(drawn.rbegin(), drawn.rend(), "clear").base() + 1);
    std::ifstream svg(events[1].substr(6));
    size_t i = 0;
    for (std::string text; std::getline(svg, text);) {
        double a[4], b[4];
        unsigned w1, w2, bgr, r, g, bl;
        if (std::sscanf(text.c_str(),
                        "<line x1=\"%lf\" y1=\"%lf\" x2=\"%lf\" y2=\"%lf\" "
                        "stroke=\"#%2x%2x%2x\" stroke-width=\"%u\"",
                        &a[0], &a[1], &a[2], &a[3], &r, &g, &bl, &w1) != 8)
            continue;
        ASSERT_LT(i, drawn.size());
        ASSERT_EQ(std::sscanf(drawn[i++].c_str(), "line %lf %lf %lf %lf %u &H%X", &b[0], &b[1],
                              &b[2], &b[3], &w2, &bgr),
                  6);
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(a[k], b[k], 0.051) << text;
        EXPECT_EQ(w1 * 1000000 + (bl << 16 | g << 8 | r), w2 * 1000000 + bgr) << text;
    }
    EXPECT_EQ(i, drawn.size());
    EXPECT_GT(i, 10u);
    std::optional<Image> file = LoadPicture(events[0].substr(6)), window = LoadPicture(shot);
    ASSERT_TRUE(file && window);
    EXPECT_EQ(file->pixels, window->pixels);
    // The notice for 3 s; the maker's Save word; then a folder that cannot be made.
    fs::path folder = fs::path(events[0].substr(6)).parent_path();
    auto check = [&](const char* command, const std::string& want) {
        out.clear();
        ASSERT_EQ(driver.Execute(command, out), "");
        EXPECT_TRUE(want.empty() || (!out.empty() && out[0].find(want) != std::string::npos))
            << command << ": " << (out.empty() ? "" : out[0]);
    };
    check("get HelpNoteText", "caption=\"Saved to Pictures/Quorrel\\nspiro-order4-angle45-turns1-");
    check("wait 3000", ""), check("get HelpNote", "visible=false"), check("click Form", "");
    check("click But(21)", ""), check("events", "saved " + folder.string());
    fs::remove_all(folder), std::ofstream(folder.string());
    check("click But(21)", ""), check("events", "beep");
    check("get HelpNoteText", "caption=\"Could not save to Pictures/Quorrel:\\n");
}

// The driver's record of lines between two reads keeps its first DrawLog::kMaxLines and says
// how many it left out; a record under the cap prints as it always did.
TEST(SaveFiles, TheLinesRecordIsCapped) {
    Driver driver({QUORREL_SOURCE_DIR, "", 3});
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    for (size_t drawn : {DrawLog::kMaxLines + 3, size_t{1}}) {
        out.clear();
        driver.Execute("lines", out);
        out.clear();
        for (size_t i = 0; i < drawn; ++i) driver.calc()->surface.Line(0, 0, 1, 1, 1, 0);
        ASSERT_EQ(driver.Execute("lines", out), "");
        EXPECT_EQ(out.size(), std::min(drawn, DrawLog::kMaxLines + 1));
        EXPECT_EQ(out.back(), drawn > 1 ? "3 more lines left out" : "line 0.0 0.0 1.0 1.0 1 &H0");
    }
}

TEST(SaveFiles, AFailedSaveLeavesNoFile) {
    fs::path dir = fs::temp_directory_path() / ("quorrel-save-" + std::to_string(getpid()));
    PngWriter write = [](const Image&, const std::string& path) { return !!std::ofstream(path); };
    PngWriter fail = [](const Image&, const std::string& path) { return !std::ofstream(path); };
    // The SVG's temporary name taken by a folder; a PNG half written; a read-only folder.
    for (int round = 0; round < (geteuid() == 0 ? 2 : 3); ++round) {
        fs::remove_all(dir);
        ASSERT_EQ(MakeFolders(dir / "Quorrel", 0755), "");
        if (round == 0) fs::create_directory(dir / "Quorrel/f.svg.part");
        if (round == 2) fs::permissions(dir / "Quorrel", fs::perms::owner_exec);
        EXPECT_NE(WriteFigureFiles(dir / "Quorrel", "f", Image(4, 4), "", round ? fail : write),
                  "");
        for (const auto& entry : fs::directory_iterator(dir / "Quorrel"))
            EXPECT_FALSE(entry.is_regular_file()) << entry.path();
    }
    // A FIFO at the book's name is refused at once instead of waiting for a reader (a wait
    // ends the test after 5 s).
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    alarm(5);
    EXPECT_FALSE(AppendReward(dir / "fifo", {1, 2, 3, {2026, 12, 6, 15, 30, 0}, 0}));
    alarm(0);
    fs::remove_all(dir);
}

TEST(SaveFiles, PicturesFolderFromUserDirs) {
    const char* const cases[][3] = {
        {"# c\nXDG_PICTURES_DIR=\"$HOME/B\\\"x\"\n", "/home/kim/", "/home/kim/B\"x"},
        {"XDG_PICTURES_DIR=\"/srv/p/\"\nXDG_PICTURES_DIR=\"b\"", "/h", "/srv/p"},
        {"XDG_PICTURES_DIR=\"$HOMEX/a\nXDG_MUSIC_DIR=\"/m\"", "/h", "/h/Pictures"}};
    for (const auto& c : cases) EXPECT_EQ(PicturesFolderFrom(c[0], c[1]), c[2]) << c[0];
}

}  // namespace
}  // namespace quorrel
