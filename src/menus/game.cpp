// The top of the game: the window's input passed to the handlers of each subsystem, and what
// the shell asks of them at load and on resize.
#include "menus/keys.h"
#include "menus/menus.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"

namespace quorrel {
namespace {

class Game : public GameHooks {
  public:
    explicit Game(Calc& calc) : calc_(calc) {}

    void Click(int element_id) override {
        ForgetTypedDigits(calc_, typed_);  // a click chooses instead of the digits typed
        Element& e = calc_.el.At(element_id);
        int16_t i = e.index;
        switch (e.name) {
            case Name::Dig:
                Dig_Click(calc_, i);
                break;
            case Name::Digit:
                Digit_Click(calc_, i);
                break;
            case Name::Op:
                Op_Click(calc_, i);
                break;
            case Name::But:
                But_Click(calc_, i);
                break;
            case Name::CalBut:
                CalBut_Click(calc_, i);
                break;
            case Name::OKBut:
                OKBut_Click(calc_);
                break;
            case Name::LMOrder:
                LMOrder_Click(calc_, i);
                break;
            case Name::Cap:
                Cap_Click(calc_, i);
                break;
            case Name::Target:
                Target_Click(calc_, i);
                break;
            case Name::Diff:
                Diff_Click(calc_, i);
                break;
            case Name::Snd:
                Snd_Click(calc_, i);
                break;
            case Name::Rew:
                Rew_Click(calc_, i);
                break;
            case Name::BackColorSet:
                BackColorSet_Click(calc_);
                break;
            case Name::HelpNote:
            case Name::HelpNoteText:
                calc_.HelpNote_Click();
                break;
            default:
                break;  // an element without a click handler swallows the click
        }
    }

    void DblClick(int element_id) override {
        Element& e = calc_.el.At(element_id);
        if (e.name == Name::Cent) {
            Cent_DblClick(calc_);
        } else if (e.kind == Kind::CommandButton) {
            Click(element_id);  // a button takes the second click of a double click as a click
        }
    }

    void FormClick() override { Form_Click(calc_); }

    void Key(const InputEvent& key) override {
        if (!ZoomKey(calc_, key)) Key_Down(calc_, *this, typed_, key);
    }

    void Timer(TimerId timer) override {
        if (timer == TimerId::KlikOff) KlikOff_Timer(calc_);
        if (timer == TimerId::DigitGap) PickHeldDigits(calc_, *this, typed_);
    }

    void ApplyOptions(const SavedSettings& saved) override { ApplySavedOptions(calc_, saved); }

    // The draw word, so that a value being typed only beeps and keeps its keypad open.
    void RedrawMakerFigure() override { But_Click(calc_, kWordDraw); }

  private:
    Calc& calc_;
    TypedDigits typed_;
};

}  // namespace

std::unique_ptr<GameHooks> MakeGameHooks(Calc& calc) { return std::make_unique<Game>(calc); }

}  // namespace quorrel
