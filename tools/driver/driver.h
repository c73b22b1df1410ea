// The headless driver: the real game on the headless platform, driven line by line. Tests
// and tools depend on what each command prints; extend it, never change an output.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "shell/calc.h"

namespace quorrel {

struct DriverOptions {
    std::string app_folder;   // holds Media/ and pictures/
    std::string data_folder;  // "" makes a fresh temporary folder
    uint64_t seed = 0;        // 0: seeded from the clock, like the desktop game
    int screen_width = 1024, screen_height = 768;
    double clock_start = 12 * 3600;
    double display_scale = 1;  // the desktop's scale the game finds
    CivilTime date{2026, 12, 6};
    std::string pictures_folder{};   // "": Pictures in the data folder
    std::optional<int16_t> level{};  // none: the level file's choice, as the game reads it
    std::string language{};          // "": the remembered choice, else the environment's
};

// Parses the command line; returns false (with a message) on a bad option.
bool ParseDriverOptions(int argc, char** argv, DriverOptions& options, std::string& error);

class Driver {
  public:
    explicit Driver(DriverOptions options);
    ~Driver();

    // Reads commands until end of input; after each prints its result lines and "ok" or
    // "error: REASON", and flushes.
    void Run(std::istream& in, std::ostream& out);
    // Runs one command line, appending its output lines (without the final ok/error line);
    // returns "" for ok or the error reason.
    std::string Execute(const std::string& line, std::vector<std::string>& output);

    // For tests that look inside.
    Calc* calc() { return calc_.get(); }
    HeadlessPlatform& platform() { return *platform_; }
    const std::string& data_folder() const { return options_.data_folder; }

  private:
    std::string Click(const std::vector<std::string>& args, bool queue, bool dbl);
    std::string Key(const std::vector<std::string>& args, bool queue);
    std::string Type(const std::vector<std::string>& args, bool queue);
    std::string Wheel(const std::vector<std::string>& args, bool queue);
    std::string Get(const std::string& name, std::vector<std::string>& output);
    void Wait(uint64_t ms);
    void Settle();

    DriverOptions options_;
    bool own_data_folder_ = false;
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Calc> calc_;
    DrawLog lines_;
};

}  // namespace quorrel
