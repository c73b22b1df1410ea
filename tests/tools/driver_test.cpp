#include "driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/temp_folder.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

DriverOptions Options(const std::string& data) {
    DriverOptions options;
    options.app_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data;
    options.seed = 9;
    return options;
}

TEST(DriverProtocol, EveryCommandEndsWithOneStatusLine) {
    TempFolder data;
    Driver driver(Options(data.path()));
    std::istringstream in("clock\r\nstart\nbogus\nget Calc\n\nclose\n");
    std::ostringstream out;
    driver.Run(in, out);
    std::string text = out.str();
    EXPECT_EQ(text.rfind("43200.000\nok\nok\nerror: unknown command\nCalc caption=", 0), 0u) << text;
    EXPECT_NE(text.find("\nerror: empty command\nclosed\nok\n"), std::string::npos) << text;
}

TEST(DriverProtocol, OptionsAreCheckedAndApplied) {
    struct Case { std::vector<std::string> args; bool ok; };
    const Case cases[] = {
        {{"--seed", "12", "--screen", "1280x1024", "--clock", "23:59:00"}, true},
        {{"--screen", "12x"}, false},
        {{"--clock", "25:00:00"}, false},
        {{"--seed"}, false},
        {{"--colour", "red"}, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("quorrel-driver")};
        for (const std::string& a : c.args) argv.push_back(const_cast<char*>(a.c_str()));
        DriverOptions options;
        std::string error;
        EXPECT_EQ(ParseDriverOptions(static_cast<int>(argv.size()), argv.data(), options, error), c.ok)
            << c.args[0];
        if (c.ok) {
            EXPECT_EQ(options.seed, 12u);
            EXPECT_EQ(options.screen_width, 1280);
            EXPECT_DOUBLE_EQ(options.clock_start, 23 * 3600 + 59 * 60);
        }
    }
}

TEST(DriverProtocol, QueuedClicksWaitForTheNextPump) {
    TempFolder data;
    Driver driver(Options(data.path()));
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    driver.calc()->el(Name::Floater).visible = true;
    ASSERT_EQ(driver.Execute("queue click Digit(1)", out), "");
    EXPECT_TRUE(driver.platform().HasInput());
    ASSERT_EQ(driver.Execute("wait 0", out), "");
    EXPECT_FALSE(driver.platform().HasInput());
    EXPECT_EQ(driver.Execute("queue tap Digit(1)", out), "unknown command");
    EXPECT_EQ(driver.Execute("clickat 5", out), "usage: clickat X Y");
}

TEST(DriverProtocol, ShotWritesAPicture) {
    TempFolder data;
    Driver driver(Options(data.path()));
    std::vector<std::string> out;
    ASSERT_EQ(driver.Execute("start", out), "");
    std::string file = data.path() + "/screen.png";
    ASSERT_EQ(driver.Execute("shot " + file, out), "");
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
    EXPECT_NE(driver.Execute("shot /nonexistent/folder/x.png", out), "");
}

}  // namespace
}  // namespace quorrel
