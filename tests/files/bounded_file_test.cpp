// The one reader of small files: bounded, and never stuck on what is not a regular file.
#include "files/bounded_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/game.h"

namespace quorrel {
namespace {

TEST(BoundedFile, ReadsAtMostTheBoundOfRegularFilesOnly) {
    testing_support::TempFolder temp;
    const std::string dir = temp.path() + "/";
    std::ofstream(dir + "empty");
    std::ofstream(dir + "ten") << "0123456789";
    ASSERT_EQ(mkfifo((dir + "fifo").c_str(), 0600), 0);  // no writer: an open would block
    struct Case {
        std::string path;
        size_t bound;
        bool ok;
        std::string want;
    };
    const Case cases[] = {{dir + "missing", 10, false, ""},
                          {dir, 10, false, ""},
                          {dir + "fifo", 10, false, ""},
                          {dir + "empty", 10, true, ""},
                          {dir + "ten", 10, true, "0123456789"},
                          {dir + "ten", 4, true, "0123"},
                          {dir + "ten", 0, true, ""},
                          {"/proc/self/status", 5, true, "Name:"}};  // its size reads as 0
    for (const Case& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(ReadFileBounded(c.path, c.bound, bytes), c.ok) << c.path;
        EXPECT_EQ(bytes, c.want) << c.path;
    }
}

}  // namespace
}  // namespace quorrel
