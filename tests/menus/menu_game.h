// A game run through the headless driver for the menu, keypad, maker and layout tests: the
// commands a player would give, plus a look at the elements and the drawing.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "spiro/draw_spiro.h"
#include "support/temp_folder.h"

namespace quorrel::menu_testing {

class MenuGame {
  public:
    // settings: the settings file's text, or "" for a first run on the defaults.
    explicit MenuGame(const std::string& settings = "", uint64_t seed = 3) {
        if (!settings.empty()) {
            std::string folder = data_.path() + "/Brindlecove Software";
            std::filesystem::create_directories(folder);
            std::ofstream(folder + "/Quorrel.dat", std::ios::binary) << settings;
        }
        DriverOptions options;
        options.app_folder = QUORREL_SOURCE_DIR;
        options.data_folder = data_.path();
        options.seed = seed;
        driver_ = std::make_unique<Driver>(options);
        Run("start");
    }

    // Runs a driver command that must succeed; returns its output lines.
    std::vector<std::string> Run(const std::string& command) {
        std::vector<std::string> out;
        EXPECT_EQ(driver_->Execute(command, out), "") << command;
        return out;
    }
    // Runs a command and returns its error ("" for ok).
    std::string Try(const std::string& command) {
        std::vector<std::string> out;
        return driver_->Execute(command, out);
    }

    // Past the intro, with the board up and the record of sounds and drawing emptied.
    MenuGame& ToBoard() {
        Run("wait 1800");
        Forget();
        return *this;
    }
    // Into the maker: the first figure is drawn and the notice shows.
    MenuGame& ToMaker() {
        ToBoard();
        Run("click But(1)");
        Run("click But(6)");
        Forget();
        return *this;
    }
    void Forget() {
        Run("events");
        Run("lines");
    }

    Calc& calc() { return *driver_->calc(); }
    GameState& gs() { return calc().gs; }
    Element& el(Name name, int index = -1) { return calc().el(name, index); }
    HeadlessPlatform& platform() { return driver_->platform(); }
    bool Visible(Name name) { return el(name).visible; }
    std::string Caption(Name name, int index = -1) { return el(name, index).caption; }

    std::vector<std::string> Events() { return Run("events"); }
    int Beeps() {
        int beeps = 0;
        for (const std::string& e : Events()) beeps += e == "beep";
        return beeps;
    }
    // The segments drawn since the last look.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (const std::string& l : Run("lines"))
            if (l.rfind("line ", 0) == 0) lines.push_back(l);
        return lines;
    }
    // What the drawing engine makes of these values in the present window, asked for directly.
    std::vector<std::string> Reference(int16_t order, int16_t angle, int16_t left_turns) {
        Run("lines");
        bool spirom = Visible(Name::Spirom), board = Visible(Name::Floater);
        el(Name::Spirom).visible = false;
        el(Name::Floater).visible = false;
        DrawSpiro(calc(), order, angle, left_turns);
        el(Name::Spirom).visible = spirom;
        el(Name::Floater).visible = board;
        return Lines();
    }

    // The segments drawn since the last look are the figure of these values, and there is one.
    void ExpectDrawn(int16_t order, int16_t angle, int16_t left_turns) {
        std::vector<std::string> drawn = Lines();
        EXPECT_FALSE(drawn.empty());
        EXPECT_EQ(drawn, Reference(order, angle, left_turns))
            << "expected the figure of " << order << ", " << angle << ", " << left_turns;
    }

  private:
    testing_support::TempFolder data_;
    std::unique_ptr<Driver> driver_;
};

// The six main panels and the notice: which of them are visible, in this order.
inline std::string ShownPanels(MenuGame& game) {
    static const std::pair<Name, const char*> kPanels[] = {
        {Name::Floater, "Floater"},         {Name::Helper, "Helper"}, {Name::About, "About"},
        {Name::SelFloat, "SelFloat"},       {Name::Hist, "Hist"},     {Name::Spirom, "Spirom"},
        {Name::RestoreHint, "RestoreHint"}, {Name::First, "First"}};
    std::string shown;
    for (const auto& [name, text] : kPanels)
        if (game.Visible(name)) shown += (shown.empty() ? "" : " ") + std::string(text);
    return shown;
}

}  // namespace quorrel::menu_testing
