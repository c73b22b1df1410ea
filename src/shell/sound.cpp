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

Step Calc::PlaySound(std::string SoundName) {
    // No event runs until the sound has ended, so whatever the handler changed so far is put
    // on the screen first: a child sees the red number while hearing it.
    loop.PresentNow();
    // A file that is missing plays nothing, and the game goes on.
    std::string path = MediaFile(SoundName + ".WAV");
    co_await loop.PlayWave(SoundName, path);
}

Step Calc::SayWord(std::string name) {
    gs.SayName = name;
    if (gs.SoundLevel != 0) co_await PlaySound(name);
}

Step Calc::SayNumber(int16_t number) {
    gs.SayNumber = number;
    if (gs.SoundLevel == 0 || std::abs(static_cast<int>(number)) > 199) co_return;
    // Spoken from the recorded numbers 0..20, the tens and "100".
    int left = number;
    if (left < 0) {
        co_await SayWord("Minus");
        left = -left;
    }
    if (left > 100) {
        co_await PlaySound("100");
        left -= 100;
    }
    if (left > 20) {
        co_await PlaySound(PlainNumberText(left / 10 * 10));
        left %= 10;  // a round ten ends here
        if (left == 0) {
            gs.SayNumber = 0;
            co_return;
        }
    }
    co_await PlaySound(PlainNumberText(left));
    gs.SayNumber = static_cast<int16_t>(left);
}

Step Calc::PlayClicks() {
    co_await SayWord("Click1");
    co_await SayWord("Click2");
}

}  // namespace quorrel
