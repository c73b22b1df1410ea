// Which recordings speak a number in each language the game has a voice for: values in, file
// names out, no sound. English builds -199..199 from 0..20, the tens and "100"; the other
// languages record whole numbers wherever joining parts would not be how the language says them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

// The voice languages, English first: each but English has its recordings in Media/CODE.
std::span<const std::string_view> VoiceLanguages();
bool HasVoice(std::string_view code);

// The voices of other languages are Ogg Vorbis, a quarter of the size of the same wave files.
inline constexpr const char* kVoiceExtension = ".OGG";

// The clicks and the refusal buzz carry no words: one file for every language, in Media.
bool SharedRecording(std::string_view name);

struct SpokenNumber {
    std::vector<std::string> parts;  // recording names in order; "Minus" first for a negative
    // What was left of the number once spoken: the last part's value, or 0 where that part
    // was the ten of a number joined from ten and unit ("30" for 30 in English).
    int16_t rest = 0;
};

// Empty parts for numbers beyond 199 either way, or for a language without a voice.
SpokenNumber SpeakNumber(std::string_view code, int number);

// Every spoken recording a language's set must hold (the shared ones apart).
std::vector<std::string> VoiceRecordings(std::string_view code);

}  // namespace quorrel
