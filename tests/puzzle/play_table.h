// The game on the headless driver with a board of the test's choosing: the puzzle tests set the
// numbers, the target and the stored solution, then click as a player would.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "puzzle/puzzle.h"
#include "support/temp_folder.h"

namespace quorrel::testing_support {

// A problem text whose stored steps are 1+6, 7x3 and 21+3.
inline const char kSevenTimesThree[] = " 1367   1+  6   7x  3  21+  3";

struct PlayTable {
    explicit PlayTable(int16_t sound_level, int16_t reward = kFalse,
                       double clock_start = 12 * 3600) {
        DriverOptions options;
        options.app_folder = QUORREL_SOURCE_DIR;
        options.data_folder = data.path();
        options.seed = 7;
        options.clock_start = clock_start;
        driver = std::make_unique<Driver>(options);
        Run("start");
        Run("wait 1800");  // the board is up
        gs().SoundLevel = sound_level;
        gs().GiveReward = reward;
        el(Name::Hellf).visible = false;
        Events();
    }

    // Lays out numbers in boxes 0..3 with a target, as a reset of that puzzle would.
    void Deal(std::array<int16_t, 4> numbers, int16_t target,
              const std::string& text = kSevenTimesThree) {
        gs().TargetValue = target;
        gs().ProblemText = text;
        gs().DealtNumbers = numbers;
        SetUpPuzzle(calc(), kFalse);
        Events();
    }

    std::vector<std::string> Run(const std::string& command) {
        std::vector<std::string> out;
        EXPECT_EQ(driver->Execute(command, out), "") << command;
        return out;
    }
    // Clicks the elements in turn, e.g. {"Digit(0)", "Op(2)", "Digit(1)"}, then lets the click
    // lock of the move run out.
    void Clicks(std::initializer_list<const char*> names) {
        for (const char* name : names) Run(std::string("click ") + name);
        Run("wait 300");
    }
    std::vector<std::string> Events() { return Run("events"); }
    std::vector<std::string> Sounds() {
        std::vector<std::string> sounds;
        for (const std::string& e : Events())
            if (e.rfind("sound ", 0) == 0) sounds.push_back(e.substr(6));
        return sounds;
    }
    std::string Digits() {
        std::string digits;
        for (int i = 0; i < 4; ++i)
            digits +=
                (el(Name::Dig, i).visible ? el(Name::Digit, i).caption : std::string("_")) + " ";
        return digits;
    }

    Calc& calc() { return *driver->calc(); }
    GameState& gs() { return calc().gs; }
    Element& el(Name name, int index = -1) { return calc().el(name, index); }
    uint64_t Now() { return driver->platform().NowMs(); }

    TempFolder data;
    std::unique_ptr<Driver> driver;
};

}  // namespace quorrel::testing_support
