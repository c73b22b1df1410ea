// The menu words, the setup options, the maker panel's clicks and the value keypad: the
// handlers of the top layer, which reach the board and the drawing through their own headers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "shell/settings.h"

namespace quorrel {

class Calc;

// The clickable words But(0..21) by what they do; no word carries 18 or 19.
enum MenuWord : int16_t {
    kWordQuit = 0,
    kWordMenu = 1,
    kWordPlayFromSetup = 2,
    kWordHint = kHintWord,
    kWordHelp = 4,
    kWordPlayFromMenu = 5,  // reads "OK" while the about box is open
    kWordMakeSpiros = 6,
    kWordStats = 7,
    kWordAbout = 8,
    kWordPlayFromMaker = 9,
    kWordDraw = 10,
    kWordOrder = 11,  // the three value words of the maker, in the order of their boxes
    kWordAngle = 12,
    kWordLeftTurns = 13,
    kWordLine = 14,
    kWordMakerHelp = 15,
    kWordSetup = 16,
    kWordSetupHelp = 17,
    kWordPlayFromStats = 20,
    kWordSave = 21,  // the maker's figure as picture files
    kWordMore = 22,  // the setup's second panel of options
    kWordBackToSetup = 23,
    kWordPlayFromOptions = 24,
};

// What Escape does where the focus is: the panel's Play word or the notice clicked, the
// background clicked (over a figure, alone or under the maker notice), or nothing (the board).
struct EscapeAction {
    Name click = Name::Count;
    int16_t index = -1;
    bool background = false;
};
EscapeAction EscapeFor(FocusPanel panel);

Step But_Click(Calc& calc, int16_t Index);
void Form_Click(Calc& calc);
Step CalBut_Click(Calc& calc, int16_t Index);
Step OKBut_Click(Calc& calc);
Step LMOrder_Click(Calc& calc, int16_t Index);
Step Cap_Click(Calc& calc, int16_t Index);
Step Target_Click(Calc& calc, int16_t Index);
Step Diff_Click(Calc& calc, int16_t Index);
void Snd_Click(Calc& calc, int16_t Index);
void Rew_Click(Calc& calc, int16_t Index);
// The level boxes: 0 all, 1..5, 6 grows with me. A new choice is remembered and deals anew.
Step Level_Click(Calc& calc, int16_t Index);
// The language boxes, in the order of kLanguages: text and voice switch at once and the choice
// is remembered.
Step Lang_Click(Calc& calc, int16_t Index);
// The language boxes painted: the shown language's black, the others silver.
void PaintLanguageChoice(Calc& calc);
Step BackColorSet_Click(Calc& calc);

// At load: the saved options chosen on the setup panel (painted as their clicks would paint
// them), the problems of the saved target loaded and the first puzzle dealt.
Step ApplySavedOptions(Calc& calc, SavedSettings saved);

// The language chosen on the options panel (a code of kLanguages in shell/language.h, each
// named in itself there): every shown text switches at once, and the choice is remembered for
// the next start. An unknown code changes nothing.
Step ChooseLanguage(Calc& calc, std::string code);

// The hooks through which the shell reaches the board, the drawing and the menus.
std::unique_ptr<GameHooks> MakeGameHooks(Calc& calc);

}  // namespace quorrel
