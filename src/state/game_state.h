// The one record of game state, owned by the window and zero-filled when it is created.
// 16-bit fields keep their width on purpose: the handlers rely on their overflow and rounding.
// Flags are 16-bit with True = -1; any non-zero value tests as True.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/board_values.h"

namespace quorrel {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
constexpr int16_t kEmptied = -999;  // a number box emptied by a move

// The constant the spirolateral walk turns degrees into radians with; deliberately not the full
// constant, since the Order 1, Angle 0 zigzag depends on its tiny error.
constexpr double PiValue = 3.141592653;

// The board's own working state beside the named fields.
struct BoardState {
    float wait_mark = 0;  // the clock reading a feedback wait counts from
    // Set by the first hint: from then on every deal, reset and first number hides the hint
    // label (before it, the label stands empty and is left alone).
    bool hint_label_used = false;
};

// The working values of a spirolateral walk, written by the walker as it measures, fits and
// draws a figure; nothing in them is read before a drawing sets it.
struct SpiroWalk {
    // Row n: the pen position after the first segment of cycle n (rows 1..5 are used).
    std::array<std::array<float, 2>, 7> SpiroCorners{};
    int16_t SpiroSizeX = 0, SpiroSizeY = 0;
    int16_t SpiroCenterX = 0, SpiroCenterY = 0;
    float SpiroTurn = 0;
    float SpiroMinX = 0, SpiroMaxX = 0, SpiroMinY = 0, SpiroMaxY = 0;
    float SpiroX = 0, SpiroY = 0, SpiroNextX = 0, SpiroNextY = 0;
    float SpiroHeading = 0;
    int16_t SpiroStep = 0;
    int16_t SpiroStartStep = 0;
    int16_t SpiroTurnSign = 0;
    int16_t SpiroFirstStep = 0;
    int16_t SpiroCycles = 0;
    int16_t SpiroPass = 0;
    float SpiroScaleX = 0, SpiroScaleY = 0;
    float SpiroOffsetX = 0, SpiroOffsetY = 0;
};

// The newest spirolateral drawing request; a drawing in progress restarts with it when it is
// marked replaced, so that a newer request replaces it. The walk of the last drawing stays as
// it ended.
struct SpiroDrawing {
    bool running = false;
    bool replaced = false;
    int16_t order = 0, angle = 0, left_turns = 0;
    SpiroWalk walk;
};

// The maker's values and their keypad: the text of each value box (order, angle, left turns) as
// typed, which is read as a number only when the figure is drawn, the box being typed and its
// text before the typing began.
struct KeypadEdit {
    std::array<std::string, 3> MakerText{"4", "45", "1"};
    int16_t KeypadOpen = 0;
    int16_t EditIndex = 0;
    std::string EditOldValue;
};

// The keypad's edit and the board's values are records of their own; their fields are still
// reached through the game's record by name.
struct GameState : KeypadEdit, BoardValues {
    // Setup options.
    int16_t TargetIndex = 0;
    std::array<int16_t, 3> OperatorSetOn{};
    int16_t SoundLevel = 0;
    int16_t GiveReward = 0;
    int16_t BackColorIndex = 0;
    uint32_t SpiroPenColor = 0;

    // Problems and the dealt puzzle. Entry 0 of ProblemList is unused.
    std::vector<std::string> ProblemList;
    int16_t ProblemCount = 0;

    // Move engine (the dealt puzzle and the move in progress are the BoardValues).
    int16_t ClickLock = 0;
    int16_t RewardShown = 0;
    BoardState board;

    // Hints and scoring. Counters are 32-bit so a long session cannot overflow them.
    std::array<int32_t, 5> Stats{};
    int32_t SolvedCount = 0;
    float ScoreStart = 0;
    float TimeMark = 0;  // elapsed seconds of the scoring period at the last refresh

    // Maker.
    int16_t MakerMode = 0;
    int16_t LineThickness = 0;

    // Start-up and shell.
    int16_t StartWindowState = 0;
    std::string TitleText;
    std::string HelpFile;
    std::string SettingsPath;
    int16_t SavedReward = 0;
    int16_t SavedTarget = 0;
    int16_t SavedSound = 0;

    // Spirolateral engine.
    SpiroDrawing spiro_drawing;

    // Kept only for the driver's `state` command; the game never reads them back. SayName is
    // the last word asked for, SayNumber what was left of the last number once it was spoken
    // (its last part, 0 after a round ten), Quotient the last division tried, OpClicked the
    // operator of the last circle clicked.
    std::string SayName;
    int16_t SayNumber = 0;
    float Quotient = 0;
    int16_t OpClicked = 0;
};

// Program-wide values read at start-up that outlive the window's record.
struct Globals {
    int16_t SavedWindowState = 0;
    int16_t SavedLeft = 0, SavedTop = 0, SavedWidth = 0, SavedHeight = 0;
    std::string AppFolder;  // the program folder, with a trailing '/'
};

// Prints a field by name the way the headless driver shows it: numbers in decimal, arrays
// space-separated, texts quoted. Returns false for an unknown name. The names are those of the
// game's record, the keypad's edit, the last spirolateral walk and PiValue.
bool DescribeField(const GameState& state, const std::string& name, std::string& out);

}  // namespace quorrel
