// All sound goes through Say (what to play at the chosen level) and PlaySound (one file).
#include <cstdlib>

#include "shell/calc.h"
#include "state/convert.h"
#include "window/platform.h"

namespace quorrel {

void Calc::PlaySound(const std::string& SoundName, int16_t /*Sync*/) {
    // Every caller plays synchronously: the platform returns when the sound has ended. A file
    // that is missing plays nothing, and the game goes on.
    std::string folder = glob.AppFolder.empty() ? platform.ProgramFolder() : glob.AppFolder;
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    std::string path = FindFileIgnoringCase(folder, "Media/" + SoundName + ".WAV");
    platform.PlayWave(SoundName, path);
}

void Calc::Say(int16_t Mode) {
    if (gs.SoundLevel == 0) return;
    if (Mode == 0) {
        PlaySound(gs.SayName, 1);
        return;
    }
    if (Mode != 1) return;
    // Speaks SayNumber from the recorded numbers 0..20, the tens and "100"; SayNumber is the
    // working value and is left as the last part spoken.
    if (std::abs(static_cast<int>(gs.SayNumber)) > 199) return;
    if (gs.SayNumber < 0) {
        gs.SayName = "Minus";
        PlaySound(gs.SayName, 1);
        gs.SayNumber = static_cast<int16_t>(-gs.SayNumber);
    }
    for (;;) {
        if (gs.SayNumber < 21) {
            PlaySound(PlainNumberText(gs.SayNumber), 1);
            return;
        }
        if (gs.SayNumber > 100) {
            PlaySound("100", 1);
            gs.SayNumber = static_cast<int16_t>(gs.SayNumber - 100);
            continue;
        }
        PlaySound(PlainNumberText(gs.SayNumber / 10 * 10), 1);
        gs.SayNumber = static_cast<int16_t>(gs.SayNumber % 10);
        if (gs.SayNumber == 0) return;
    }
}

}  // namespace quorrel
