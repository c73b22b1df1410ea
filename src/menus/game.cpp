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

    Step Click(int element_id) override {
        ForgetTypedDigits(calc_, typed_);  // a click chooses instead of the digits typed
        Element& e = calc_.el.At(element_id);
        int16_t i = e.index;
        switch (e.name) {
            case Name::Dig:
                return Dig_Click(calc_, i);
            case Name::Digit:
                return Digit_Click(calc_, i);
            case Name::Op:
                return Op_Click(calc_, i);
            case Name::But:
                return But_Click(calc_, i);
            case Name::CalBut:
                return CalBut_Click(calc_, i);
            case Name::OKBut:
                return OKBut_Click(calc_);
            case Name::LMOrder:
                return LMOrder_Click(calc_, i);
            case Name::Cap:
                return Cap_Click(calc_, i);
            case Name::Target:
                return Target_Click(calc_, i);
            case Name::Diff:
                return Diff_Click(calc_, i);
            case Name::Snd:
                Snd_Click(calc_, i);
                break;
            case Name::Rew:
                Rew_Click(calc_, i);
                break;
            case Name::Level:
                return Level_Click(calc_, i);
            case Name::Lang:
                return Lang_Click(calc_, i);
            case Name::BackColorSet:
                return BackColorSet_Click(calc_);
            case Name::HelpNote:
            case Name::HelpNoteText:
                calc_.HelpNote_Click();
                break;
            case Name::HelpWord:
                calc_.HelpWord_Click(i);
                break;
            default:
                break;  // an element without a click handler swallows the click
        }
        return {};
    }

    Step DblClick(int element_id) override {
        Element& e = calc_.el.At(element_id);
        if (e.name == Name::Cent) {
            Cent_DblClick(calc_);
        } else if (e.kind == Kind::CommandButton) {
            return Click(element_id);  // a button takes the second click of a double click
        }
        return {};
    }

    Step FormClick() override {
        Form_Click(calc_);
        return {};
    }

    Step Key(InputEvent key) override {
        KeyActions actions;
        if (!ZoomKey(actions, key)) Key_Down(calc_, actions, typed_, key);
        co_await actions.Run(calc_, *this, typed_);
    }

    Step Timer(TimerId timer) override {
        if (timer == TimerId::KlikOff) KlikOff_Timer(calc_);
        if (timer == TimerId::DigitGap) co_await PickHeldDigits(calc_, *this, typed_);
    }

    Step ApplyOptions(SavedSettings saved) override { return ApplySavedOptions(calc_, saved); }

    // The draw word, so that a value being typed only beeps and keeps its keypad open.
    Step RedrawMakerFigure() override { return But_Click(calc_, kWordDraw); }

  private:
    Calc& calc_;
    TypedDigits typed_;
};

}  // namespace

std::unique_ptr<GameHooks> MakeGameHooks(Calc& calc) { return std::make_unique<Game>(calc); }

}  // namespace quorrel
