// A game started on the headless platform with a chosen data folder, and the helpers the
// start-up and shut-down tests share.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "puzzle/problem_file.h"
#include "shell/calc.h"
#include "window/headless/headless_platform.h"

namespace quorrel::startup_testing {

inline const std::string kFirstRunFile = "-1  5  1 -1 -1 -1 \r\n 0  1680  1260  12000  9000 \r\n";

struct Game {
    explicit Game(const std::string& data_folder, uint64_t seed = 7) {
        HeadlessOptions options;
        options.program_folder = QUORREL_SOURCE_DIR;
        options.data_folder = data_folder;
        platform = std::make_unique<HeadlessPlatform>(options);
        calc = std::make_unique<Calc>(*platform, seed);
        calc->Start();
    }
    void Close() { calc->loop.RequestClose(); }
    GameState& gs() { return calc->gs; }
    Element& el(Name name, int index = -1) { return calc->el(name, index); }

    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Calc> calc;
};

inline std::string SettingsFolder(const std::string& data) { return data + "/Brindlecove Software"; }
inline std::string SettingsFile(const std::string& data) { return SettingsFolder(data) + "/Quorrel.dat"; }

inline void WriteSettings(const std::string& data, const std::string& text) {
    std::filesystem::create_directories(SettingsFolder(data));
    std::ofstream(SettingsFile(data), std::ios::binary) << text;
}

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> Problems(const char* file, std::array<int16_t, 3> groups) {
    std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/Media/" + file, std::ios::binary);
    return ReadProblemTexts(in, groups, 100000);
}

// The boxes of a row that show as chosen (black text); all others must be silver.
inline std::vector<int> Chosen(Game& game, Name row, int count) {
    std::vector<int> chosen;
    for (int i = 0; i < count; ++i) {
        uint32_t fore = game.el(row, i).fore;
        if (fore == colour::kBlack)
            chosen.push_back(i);
        else
            EXPECT_EQ(fore, colour::kSilver) << NameText(row) << "(" << i << ")";
    }
    return chosen;
}

inline void ExpectPlacement(const Placement& got, const Placement& want, const std::string& label) {
    EXPECT_EQ(got.left, want.left) << label;
    EXPECT_EQ(got.top, want.top) << label;
    EXPECT_EQ(got.width, want.width) << label;
    EXPECT_EQ(got.height, want.height) << label;
}

inline void ExpectPanelsAt(Game& game, int x, int y) {
    for (Name panel : {Name::Floater, Name::First, Name::Spirom}) {
        EXPECT_EQ(game.el(panel).left, x) << NameText(panel);
        EXPECT_EQ(game.el(panel).top, y) << NameText(panel);
    }
}

}  // namespace quorrel::startup_testing
