#include <gtest/gtest.h>

#include <filesystem>

#include "driver.h"
#include "support/temp_folder.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

// A program folder without Media/ or pictures/: no problems, no sounds, no art. The game still
// starts, plays its intro, answers clicks and saves its settings on the way out.
TEST(NoMedia, StartsPlaysAndClosesWithoutAnyFiles) {
    TempFolder app, data;
    DriverOptions options;
    options.app_folder = app.path();
    options.data_folder = data.path();
    options.seed = 4;
    Driver driver(options);
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    ASSERT_EQ(driver.Execute("wait 3000", out), "");
    EXPECT_TRUE(driver.calc()->el(Name::Floater).visible);
    for (const char* command : {"clickat 300 100", "click Form", "dblclick Cent", "click But(3)", "wait 1000",
                                "resize 500 400", "maximize", "restore", "lines", "events"})
        EXPECT_EQ(driver.Execute(command, out), "") << command;
    std::string shot = data.path() + "/shot.png";
    EXPECT_EQ(driver.Execute("shot " + shot, out), "");
    out.clear();
    ASSERT_EQ(driver.Execute("close", out), "");
    EXPECT_EQ(out, (std::vector<std::string>{"closed"}));
    EXPECT_TRUE(std::filesystem::exists(data.path() + "/Brindlecove Software/Quorrel.dat"));
    EXPECT_FALSE(std::filesystem::exists(app.path() + "/Media"));  // nothing is created there
}

}  // namespace
}  // namespace quorrel
