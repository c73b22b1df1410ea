// The one harness of the C++ tests: a temporary folder, a file's bytes, and the game on the
// headless platform for the few tests that look inside it. Whole games are the scenarios'.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "shell/calc.h"

namespace quorrel::testing_support {

struct TempFolder {
    TempFolder() {
        char pattern[] = "/tmp/quorrel-test-XXXXXX";
        path_ = mkdtemp(pattern) ? pattern : "";
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string path_;
};

inline std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline HeadlessOptions GameOptions(const std::string& data_folder) {
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data_folder;
    return options;
}

struct Game {
    explicit Game(const std::string& data_folder)
        : platform(GameOptions(data_folder)), calc(platform, MakeGameHooks, 7) {
        calc.Start();
    }
    HeadlessPlatform platform;
    Calc calc;
};

}  // namespace quorrel::testing_support
