// All sound goes through SayWord and SayNumber (what to play at the chosen level) and PlaySound
// (one file).
#include <cstdlib>

#include "shell/calc.h"
#include "state/convert.h"
#include "window/platform.h"

namespace quorrel {

std::string Calc::MediaFile(const std::string& name) {
    std::string folder = glob.AppFolder.empty() ? platform.ProgramFolder() : glob.AppFolder;
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return FindFileIgnoringCase(folder, "Media/" + name);
}

void Calc::PlaySound(const std::string& SoundName) {
    // The platform returns when the sound has ended, so whatever the handler changed so far is
    // put on the screen first: a child sees the red number while hearing it. No event runs here.
    loop.PresentNow();
    // A file that is missing plays nothing, and the game goes on.
    platform.PlayWave(SoundName, MediaFile(SoundName + ".WAV"));
}

void Calc::SayWord(const std::string& name) {
    gs.SayName = name;
    if (gs.SoundLevel != 0) PlaySound(name);
}

void Calc::SayNumber(int16_t number) {
    gs.SayNumber = number;
    if (gs.SoundLevel == 0 || std::abs(static_cast<int>(number)) > 199) return;
    // Spoken from the recorded numbers 0..20, the tens and "100".
    int left = number;
    if (left < 0) {
        SayWord("Minus");
        left = -left;
    }
    if (left > 100) {
        PlaySound("100");
        left -= 100;
    }
    if (left > 20) {
        PlaySound(PlainNumberText(left / 10 * 10));
        left %= 10;  // a round ten ends here
        if (left == 0) {
            gs.SayNumber = 0;
            return;
        }
    }
    PlaySound(PlainNumberText(left));
    gs.SayNumber = static_cast<int16_t>(left);
}

void Calc::PlayClicks() {
    SayWord("Click1");
    SayWord("Click2");
}

}  // namespace quorrel
