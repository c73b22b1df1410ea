// All sound goes through SayWord and SayNumber (what to play at the chosen level) and PlaySound
// (one file).
#include <cstdio>

#include "files/bounded_file.h"
#include "shell/calc.h"
#include "shell/voice_words.h"
#include "window/platform.h"

namespace quorrel {
namespace {

// The file's first page header, enough to tell a recording from an empty or foreign file.
bool LooksLikeOgg(const std::string& path) {
    std::string head;
    return ReadFileBounded(path, 4, head) && head == "OggS";
}

}  // namespace

void SetVoiceLanguage(Calc& calc, std::string_view code) {
    calc.voice_language = "en";
    if (code == "en") return;
    if (!HasVoice(code)) {
        std::fprintf(stderr, "quorrel: no voice for '%.*s'; speaking English\n",
                     static_cast<int>(code.size()), code.data());
        return;
    }
    const std::string folder(code);
    for (const std::string& name : VoiceRecordings(code)) {
        std::string path = calc.MediaFile(folder + "/" + name + kVoiceExtension);
        if (path.empty() || !LooksLikeOgg(path)) {
            std::fprintf(stderr, "quorrel: the %s voice lacks a good %s/%s%s; speaking English\n",
                         folder.c_str(), folder.c_str(), name.c_str(), kVoiceExtension);
            return;
        }
    }
    calc.voice_language = folder;
}

std::string Calc::MediaFile(const std::string& name) {
    std::string folder = glob.AppFolder.empty() ? platform.ProgramFolder() : glob.AppFolder;
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return FindFileIgnoringCase(folder, "Media/" + name);
}

Step Calc::PlaySound(std::string SoundName) {
    // No event runs until the sound has ended, so whatever the handler changed so far is put
    // on the screen first: a child sees the red number while hearing it.
    loop.PresentNow();
    // Words come from the voice language's folder; the clicks and the buzz are everyone's.
    std::string file = SoundName + ".WAV";
    if (voice_language != "en" && !SharedRecording(SoundName)) {
        SoundName = voice_language + "/" + SoundName;
        file = SoundName + kVoiceExtension;
    }
    // A file that is missing plays nothing, and the game goes on.
    std::string path = MediaFile(file);
    co_await loop.PlayWave(SoundName, path);
}

Step Calc::SayWord(std::string name) {
    gs.SayName = name;
    if (gs.SoundLevel != 0) co_await PlaySound(name);
}

Step Calc::SayNumber(int16_t number) {
    gs.SayNumber = number;
    if (gs.SoundLevel == 0) co_return;
    SpokenNumber said = SpeakNumber(voice_language, number);
    if (said.parts.empty()) co_return;  // beyond 199 either way
    for (const std::string& part : said.parts) {
        if (part == "Minus")
            co_await SayWord(part);
        else
            co_await PlaySound(part);
    }
    gs.SayNumber = said.rest;
}

Step Calc::PlayClicks() {
    co_await SayWord("Click1");
    co_await SayWord("Click2");
}

}  // namespace quorrel
