// The settings file's two lines: the saved options and the window's placement. Everything here
// is pure text and arithmetic, so that every bad file can be tried without touching the disk;
// the folder and the file themselves are handled in shell/app_folders.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "window/platform.h"

namespace quorrel {

// The screen, in twips, as the defaults and the on-screen check need it.
struct ScreenTwips {
    double width = 0, height = 0;
    double twips_per_pixel_x = 15;
};

// The values read at start-up, already checked: every field is usable as it stands.
struct SavedSettings {
    int16_t reward = -1;                               // GiveReward: -1 on, 0 off
    int16_t target = 5;                                // TargetIndex 0..9 (5 is the target 24)
    int16_t sound = 1;                                 // SoundLevel 0..2
    std::array<int16_t, 3> groups{-1, -1, -1};         // OperatorSetOn, -1 on, 0 off
    int16_t window_state = 0;                          // 0 normal, 1 minimised, 2 maximised
    int16_t left = 0, top = 0, width = 0, height = 0;  // twips
};

// First-run values: every option on its default and an 800 x 600 pixel window centred on the
// screen (the horizontal twips per pixel serve both directions).
SavedSettings DefaultSettings(const ScreenTwips& screen);

// Reads the file's text. A text that does not hold at least eleven numbers, or holds anything
// else than numbers between its separators (runs of blanks, tabs, commas and line ends), gives
// the defaults of the whole file; otherwise each field that is out of its range falls back to
// its own default, and the four placement values fall back together. Locale-independent.
SavedSettings ParseSettings(std::string_view text, const ScreenTwips& screen);

// The file's text: two lines ended by CR LF, every number with its sign position (a blank or
// "-") and one blank after it. Placement values are clamped to the 16 bits they are read into.
std::string FormatSettings(int16_t reward, int16_t target, int16_t sound,
                           const std::array<int16_t, 3>& groups, int16_t window_state,
                           const Placement& placement);

// The per-user local data folder from the environment's values (nullptr for one not set):
// XDG_DATA_HOME when it is absolute, else HOME/.local/share, else the password database's
// home/.local/share. "" when none of them is an absolute path.
std::string ChooseDataFolderBase(const char* xdg_data_home, const char* home,
                                 const char* passwd_home);
// The same rule for any XDG base folder: xdg when absolute, else home + "/" + below_home.
std::string ChooseXdgFolder(const char* xdg, const char* home, const char* passwd_home,
                            const char* below_home);

}  // namespace quorrel
