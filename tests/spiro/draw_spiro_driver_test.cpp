// The spirolateral as the headless driver's `lines` command reports it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "spiro/draw_spiro.h"
#include "support/temp_folder.h"

namespace quorrel {
namespace {

TEST(DrawSpiroDriver, LinesShowTheMakerFigure) {
    testing_support::TempFolder data;
    DriverOptions options;
    options.app_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data.path();
    options.seed = 5;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    ASSERT_EQ(driver.Execute("resize 686 609", out), "");  // outer size: 678 x 578 inside
    Calc& calc = *driver.calc();
    // What the reward does before drawing; and no timer of the game may show a panel meanwhile.
    calc.el(Name::Floater).visible = false;
    calc.el(Name::Spirom).visible = false;
    for (TimerId t : {TimerId::FirstUp, TimerId::LastUp, TimerId::KlikOff, TimerId::TileBoy})
        calc.DisableTimer(t);
    calc.gs.SpiroPenColor = 0xFFFFFF;
    calc.gs.MakerMode = kTrue;
    out.clear();
    ASSERT_EQ(driver.Execute("lines", out), "");  // what start-up drew
    out.clear();
    DrawSpiro(calc, 4, 45, 1);
    ASSERT_EQ(driver.Execute("lines", out), "");
    std::vector<std::string> lines;
    for (const std::string& l : out)
        if (l.rfind("line ", 0) == 0) lines.push_back(l);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "line 412.2 95.4 412.2 255.8 2 &HFFFFFF");
    EXPECT_EQ(out.front(), "clear");
}

}  // namespace
}  // namespace quorrel
