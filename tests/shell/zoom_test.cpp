// Where the scale comes from, and the zoom's own file.
#include "shell/zoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "window/display_scale.h"

namespace quorrel {
namespace {

TEST(DisplayScale, ExplicitSettingsComeBeforeTheDesktopsAndTheMonitors) {
    const std::string xft = "Xft.antialias:\t1\nXft.dpi:\t144\n";
    const struct {
        ScaleSources sources;
        double scale;
        const char* source;
    } cases[] = {
        {{"2", "", "1.5", xft, 200}, 2, "GDK_SCALE"},
        {{"2", "0.75", "", "", 0}, 1.5, "GDK_SCALE"},
        {{"9", "", "1.25", xft, 0}, 1.25, "QT_SCALE_FACTOR"},  // out of range: passed over
        {{"", "", "abc", xft, 0}, 1.5, "Xft.dpi"},
        {{"", "", "", "Xft.dpi: 96\n", 300}, 1, "Xft.dpi"},
        {{"", "", "", "Xft.dpix:\t192\n", 160}, 1, "display dpi"},  // 160 dpi is not yet 2
        {{"", "", "", "", 170}, 2, "display dpi"},
        {{"", "", "", "", 0}, 1, "default"},
    };
    for (const auto& c : cases) {
        DisplayScaleChoice choice = ChooseDisplayScale(c.sources);
        EXPECT_EQ(choice.scale, c.scale) << c.source;
        EXPECT_EQ(choice.source, c.source);
    }
    EXPECT_EQ(ParseScale("0.5"), 0.5);
    for (const char* bad : {"", "0.4", "4.5", "2x", "nan", "-1"})
        EXPECT_FALSE(ParseScale(bad)) << bad;
}

TEST(ZoomFile, ReadsItsOwnValuesAndFallsBackTo100) {
    EXPECT_EQ(ParseZoomFile("150\n").percent, 150);
    EXPECT_TRUE(ParseZoomFile("fit\r\n").fit);
    for (const char* bad : {"", "175", "fit please", "1500", "\xff\xfe"})
        EXPECT_TRUE(ParseZoomFile(bad).percent == 100 && !ParseZoomFile(bad).fit) << bad;
}

// Ctrl+plus walks through every step to the largest and Ctrl+minus back, where the board fits.
TEST(ZoomSteps, UpAndDownPassEveryStep) {
    const ZoomRoom room{4000, 4000, 4000, 3960, 4890, 6000, 600, true};
    std::vector<int> up = {100}, down = {300};
    for (int i = 0; i < 6; ++i) {
        up.push_back(NextZoomStep(up.back(), 1, 1, room));
        down.push_back(NextZoomStep(down.back(), -1, 1, room));
    }
    EXPECT_EQ(up, (std::vector<int>{100, 125, 150, 200, 250, 300, 300}));
    EXPECT_EQ(down, (std::vector<int>{300, 250, 200, 150, 125, 100, 100}));
}

}  // namespace
}  // namespace quorrel
