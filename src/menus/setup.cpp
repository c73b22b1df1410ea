// The setup options: a chosen box has black text, the others silver. Choices that change the
// puzzles load the problems again, which deals at once. At load the saved options are shown
// the same way.
#include <iterator>

#include "board/board.h"
#include "menus/keypad.h"
#include "menus/menus.h"
#include "shell/calc.h"
#include "state/convert.h"
#include "state/language_names.h"

namespace quorrel {
namespace {

// Paints a box of a row when it exists: a saved or passed-on index may be out of range, and
// then there is no box to paint.
void Paint(Elements& el, Name row, int index, uint32_t fore) {
    if (Element* box = el.Find(row, index)) box->fore = fore;
}

void PaintGroup(Elements& el, int16_t index, int16_t on) {
    Paint(el, Name::Diff, index, on ? colour::kBlack : colour::kSilver);
}

// The reward boxes: 0 "Yes", 1 "No".
void ChooseReward(Calc& calc, int16_t box) {
    Paint(calc.el, Name::Rew, 1 - box, colour::kSilver);
    calc.gs.GiveReward = box == 0 ? kTrue : kFalse;
    Paint(calc.el, Name::Rew, box, colour::kBlack);
}

}  // namespace

Step Target_Click(Calc& calc, int16_t Index) {
    GameState& gs = calc.gs;
    Elements& el = calc.el;
    Element* chosen = el.Find(Name::Target, Index);
    if (!chosen || Index < 0 || static_cast<size_t>(Index) >= kTargetChoices.size()) co_return;
    Paint(el, Name::Target, gs.TargetIndex, colour::kSilver);
    gs.TargetIndex = Index;
    chosen->fore = colour::kBlack;
    gs.TargetValue = kTargetChoices[static_cast<size_t>(Index)];
    co_await calc.DoEvents();
    co_await LoadProblems(calc);
}

Step ApplySavedOptions(Calc& calc, SavedSettings saved) {
    GameState& gs = calc.gs;
    gs.SavedReward = saved.reward == 0 ? 1 : 0;  // the box that shows it
    gs.SavedTarget = saved.target;
    gs.SavedSound = saved.sound;
    gs.OperatorSetOn = saved.groups;
    ChooseReward(calc, gs.SavedReward);
    PaintLanguageChoice(calc);
    if (calc.levels.choice != kLevelAll) {
        Paint(calc.el, Name::Level, kLevelAll, colour::kSilver);
        Paint(calc.el, Name::Level, calc.levels.choice, colour::kBlack);
    }
    // The first deal is made while SoundLevel is still 0, so it is silent.
    co_await Target_Click(calc, saved.target);
    // The stored window shows "No" in its own colour and the other levels silver; only the
    // chosen one turns black.
    gs.SoundLevel = saved.sound;
    Paint(calc.el, Name::Snd, saved.sound, colour::kBlack);
    calc.SetTitle(gs.TitleText);
    for (int16_t i = 0; i < 3; ++i) PaintGroup(calc.el, i, gs.OperatorSetOn[i]);
}

Step Diff_Click(Calc& calc, int16_t Index) {
    if (Index < 0 || Index > 2) co_return;
    int16_t& on = calc.gs.OperatorSetOn[Index];
    on = static_cast<int16_t>(~on);
    PaintGroup(calc.el, Index, on);
    co_await calc.DoEvents();
    co_await LoadProblems(calc);
}

void Snd_Click(Calc& calc, int16_t Index) {
    if (Index < 0 || Index > 2) return;
    GameState& gs = calc.gs;
    Paint(calc.el, Name::Snd, gs.SoundLevel, colour::kSilver);
    gs.SoundLevel = Index;
    Paint(calc.el, Name::Snd, Index, colour::kBlack);
    // Also takes away an "OK" or "No" that a move left in the title while sounds were off.
    calc.SetTitle(gs.TitleText);
}

void Rew_Click(Calc& calc, int16_t Index) {
    if (Index == 0 || Index == 1) ChooseReward(calc, Index);
}

Step Level_Click(Calc& calc, int16_t Index) {
    LevelPlay& levels = calc.levels;
    if (Index < kLevelAll || Index > kLevelGrow || !calc.el.Find(Name::Level, Index)) co_return;
    Paint(calc.el, Name::Level, levels.choice, colour::kSilver);
    levels.choice = Index;
    Paint(calc.el, Name::Level, Index, colour::kBlack);
    levels.SaveChoice(calc.platform.ConfigFolder());  // unsaved, the choice still holds today
    co_await calc.DoEvents();
    co_await LoadProblems(calc);
}

void PaintLanguageChoice(Calc& calc) {
    for (int16_t i = 0; i < static_cast<int16_t>(std::size(kLanguages)); ++i)
        Paint(calc.el, Name::Lang, i,
              calc.Language() == kLanguages[i].code ? colour::kBlack : colour::kSilver);
}

Step Lang_Click(Calc& calc, int16_t Index) {
    if (Index < 0 || Index >= static_cast<int16_t>(std::size(kLanguages))) co_return;
    co_await ChooseLanguage(calc, kLanguages[Index].code);
    PaintLanguageChoice(calc);
}

Step BackColorSet_Click(Calc& calc) {
    GameState& gs = calc.gs;
    static constexpr uint32_t kBackColours[5] = {0, colour::kBlack, colour::kWhite, colour::kRed,
                                                 colour::kBlue};
    gs.BackColorIndex = static_cast<int16_t>(gs.BackColorIndex + 1);
    if (gs.BackColorIndex > 4 || gs.BackColorIndex < 0) gs.BackColorIndex = 0;
    gs.SpiroPenColor = colour::kWhite;
    if (gs.BackColorIndex == 0) {
        calc.TileBackground();
    } else {
        uint32_t back = kBackColours[gs.BackColorIndex];
        calc.el.window_back = back;
        calc.surface.Clear(back);
        if (gs.BackColorIndex == 2) gs.SpiroPenColor = colour::kBlack;
    }
    // The keypad's OK: takes a value being typed, closes the keypad and the maker panel, and
    // draws the figure again in the new pen colour.
    co_await CalBut_Click(calc, kOkKey);
}

}  // namespace quorrel
