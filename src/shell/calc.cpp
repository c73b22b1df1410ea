#include "shell/calc.h"

namespace quorrel {

Calc::Calc(Platform& p, uint64_t seed)
    : platform(p), timers(p.NowMs()), loop(p, el, timers, surface), seed_(seed) {
    loop.SetHandlers(this);
    rng.Seed(seed);
    SyncSurfaceSize();
}

void Calc::SyncSurfaceSize() {
    surface.Resize(platform.InnerWidth(), platform.InnerHeight(), el.windowBack);
}

void Calc::OnClick(int element_id) {
    Element& e = el.At(element_id);
    int16_t i = e.index;
    switch (e.name) {
        case Name::Dig: Dig_Click(i); break;
        case Name::Digit: Digit_Click(i); break;
        case Name::Op: Op_Click(i); break;
        case Name::But: But_Click(i); break;
        case Name::CalBut: CalBut_Click(i); break;
        case Name::OKBut: OKBut_Click(); break;
        case Name::LMOrder: LMOrder_Click(i); break;
        case Name::Cap: Cap_Click(i); break;
        case Name::Target: Target_Click(i); break;
        case Name::Diff: Diff_Click(i); break;
        case Name::Snd: Snd_Click(i); break;
        case Name::Rew: Rew_Click(i); break;
        case Name::BackColorSet: BackColorSet_Click(); break;
        case Name::HelpNote:
        case Name::HelpNoteText: HelpNote_Click(); break;
        default: break;  // an element without a click handler swallows the click
    }
}

void Calc::OnDblClick(int element_id) {
    Element& e = el.At(element_id);
    if (e.name == Name::Cent) {
        Cent_DblClick();
    } else if (e.kind == Kind::CommandButton) {
        OnClick(element_id);  // a button takes the second click of a double click as a click
    }
}

void Calc::OnResize() {
    SyncSurfaceSize();
    Form_Resize();
}

void Calc::OnTimer(TimerId timer) {
    switch (timer) {
        case TimerId::FirstUp: FirstUp_Timer(); break;
        case TimerId::LastUp: LastUp_Timer(); break;
        case TimerId::KlikOff: KlikOff_Timer(); break;
        case TimerId::TileBoy: TileBoy_Timer(); break;
        case TimerId::Count: break;
    }
}

}  // namespace quorrel
