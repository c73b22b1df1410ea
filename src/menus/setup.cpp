// The setup options: a chosen box has black text, the others silver. Choices that change the
// puzzles load the problems again, which deals at once.
#include "shell/calc.h"
#include "state/convert.h"

namespace quorrel {
namespace {

// Paints a box of a row when it exists: a saved or passed-on index may be out of range, and
// then there is no box to paint.
void Paint(Elements& el, Name row, int index, uint32_t fore) {
    if (Element* box = el.Find(row, index)) box->fore = fore;
}

}  // namespace

void Calc::Target_Click(int16_t Index) {
    Element* chosen = el.Find(Name::Target, Index);
    if (!chosen) return;
    Paint(el, Name::Target, gs.TargetIndex, colour::kSilver);
    gs.TargetIndex = Index;
    chosen->fore = colour::kBlack;
    gs.TargetValue = RoundToInt16(LeadingNumber(chosen->caption));
    DoEvents();
    LoadProblems();
}

void Calc::Diff_Click(int16_t Index) {
    if (Index < 0 || Index > 2) return;
    int16_t& on = gs.OperatorSetOn[Index];
    on = static_cast<int16_t>(~on);
    Paint(el, Name::Diff, Index, on ? colour::kBlack : colour::kSilver);
    if (gs.ReplayingOptions) return;
    DoEvents();
    LoadProblems();
}

void Calc::Snd_Click(int16_t Index) {
    if (Index < 0 || Index > 2) return;
    Paint(el, Name::Snd, gs.SoundLevel, colour::kSilver);
    gs.SoundLevel = Index;
    Paint(el, Name::Snd, Index, colour::kBlack);
    // Also takes away an "OK" or "No" that a move left in the title while sounds were off.
    SetTitle(gs.TitleText);
}

void Calc::Rew_Click(int16_t Index) {
    if (Index != 0 && Index != 1) return;
    Paint(el, Name::Rew, 1 - Index, colour::kSilver);
    gs.GiveReward = Index == 0 ? kTrue : kFalse;
    Paint(el, Name::Rew, Index, colour::kBlack);
}

void Calc::BackColorSet_Click() {
    static constexpr uint32_t kBackColours[5] = {0, colour::kBlack, colour::kWhite, colour::kRed,
                                                 colour::kBlue};
    gs.BackColorIndex = static_cast<int16_t>(gs.BackColorIndex + 1);
    if (gs.BackColorIndex > 4 || gs.BackColorIndex < 0) gs.BackColorIndex = 0;
    gs.SpiroPenColor = colour::kWhite;
    if (gs.BackColorIndex == 0) {
        TileBackground();
    } else {
        uint32_t back = kBackColours[gs.BackColorIndex];
        el.windowBack = back;
        surface.Clear(back);
        if (gs.BackColorIndex == 2) gs.SpiroPenColor = colour::kBlack;
    }
    // The keypad's OK: takes a value being typed, closes the keypad and the maker panel, and
    // draws the figure again in the new pen colour.
    CalBut_Click(11);
}

}  // namespace quorrel
