// Every shipped wave file read back with a parser of its own: the format the player converts
// from, the length, the level, and how tightly the spoken files are trimmed (numbers are
// chained at run time, so a word padded with silence makes "thirty ... seven").
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/ogg_length.h"
#include "files/ogg_sound.h"
#include "shell/voice_words.h"
#include "support/game.h"

namespace quorrel {
namespace {

constexpr uint32_t kRate = 22050;
constexpr int kAudible = 328;                     // -40 dBFS: not yet, or no longer, speaking
constexpr int kMinPeak = 3277, kMaxPeak = 32000;  // -20 dBFS, and clear of clipping

const char* const kEffects[] = {"Click1", "Click2", "Aah"};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

std::string Judge(const std::vector<int16_t>& v, bool spoken) {
    if (v.empty()) return "no data";
    int peak = 0;
    for (int16_t x : v) peak = std::max(peak, std::abs(x));
    if (peak < kMinPeak || peak > kMaxPeak) return "peak " + std::to_string(peak);
    if (!spoken) return "";
    auto loud = [](int16_t x) { return std::abs(x) >= kAudible; };
    size_t lead = std::find_if(v.begin(), v.end(), loud) - v.begin();
    size_t tail = std::find_if(v.rbegin(), v.rend(), loud) - v.rbegin();
    // Quiet onsets such as the "f" of "fourteen" stay under the mark for up to 80 ms.
    if (lead > 0.12 * kRate || tail > 0.15 * kRate) return "silence around the word";
    return "";
}

// Walks the chunk list rather than assuming the 44-byte layout: a LIST or fact chunk before
// the data must not be read as sound. Returns "" or what is wrong.
std::string Check(const std::string& folder, const std::string& name, bool spoken) {
    std::ifstream in(folder + "/" + name + ".WAV", std::ios::binary);
    std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || Le(b, 4, 4) + 8ull > b.size())
        return "missing, or no RIFF/WAVE header";
    bool fmt = false;
    std::vector<int16_t> v;
    for (size_t at = 12; at + 8 <= b.size(); at += 8 + Le(b, at + 4, 4) + (Le(b, at + 4, 4) & 1)) {
        std::string id(b.begin() + at, b.begin() + at + 4);
        uint32_t size = Le(b, at + 4, 4);
        if (size > b.size() - at - 8) return "chunk " + id + " runs past the end";
        if (id == "fmt ") {
            fmt = size >= 16 && Le(b, at + 8, 2) == 1 && Le(b, at + 10, 2) == 1 &&
                  Le(b, at + 12, 4) == kRate && Le(b, at + 16, 4) == 2 * kRate &&
                  Le(b, at + 20, 2) == 2 && Le(b, at + 22, 2) == 16;
            if (!fmt) return "not 16-bit mono PCM at 22,050 Hz";
        } else if (id == "data") {
            if (!fmt || size % 2 || size == 0 || size >= 3 * 2 * kRate) return "bad data chunk";
            for (size_t i = 0; i < size; i += 2)
                v.push_back(static_cast<int16_t>(Le(b, at + 8 + i, 2)));
            break;
        }
    }
    return Judge(v, spoken);
}

// The other languages' Ogg Vorbis files, decoded as the game decodes them.
std::string CheckOgg(const std::string& path) {
    DecodedSound sound;
    if (!DecodeOggFile(path, sound)) return "missing, or not Ogg Vorbis";
    if (sound.rate != int{kRate} || sound.channels != 1 || sound.samples.size() >= 3 * kRate)
        return "not a short mono sound at 22,050 Hz";
    // Every platform times a recording by its pages; the decoder must hear as long.
    if (OggFileLengthMs(path) != sound.LengthMs()) return "timed unlike its decoded length";
    return Judge(sound.samples, true);
}

const std::string kMedia = QUORREL_SOURCE_DIR "/Media";

TEST(VoiceFiles, AreShortLevelAndTrimmed) {
    for (const char* name : kEffects) EXPECT_EQ(Check(kMedia, name, false), "") << name;
    // Every word the voice names: numbers, operators, praise and encouragement.
    for (const std::string& name : VoiceRecordings("en"))
        EXPECT_EQ(Check(kMedia, name, true), "") << name;
    std::uintmax_t total = 0;
    for (const auto& e : std::filesystem::directory_iterator(QUORREL_SOURCE_DIR "/Media"))
        if (e.path().extension() == ".WAV") total += e.file_size();
    EXPECT_LT(total, 1'500'000u) << "the wave files together";
}

// Every other language's set in its own folder, held to the same marks.
TEST(VoiceFiles, EveryLanguageHasAWholeSet) {
    for (std::string_view code : VoiceLanguages().subspan(1)) {
        const std::string folder = kMedia + "/" + std::string(code);
        for (const std::string& name : VoiceRecordings(code))
            EXPECT_EQ(CheckOgg(folder + "/" + name + ".OGG"), "") << code << "/" << name;
    }
}

// A damaged copy plays what it still holds; what is not one such file plays nothing.
TEST(VoiceFiles, DamagedOggFilesPlayWhatTheyHold) {
    testing_support::TempFolder folder;
    const std::string whole = testing_support::Slurp(kMedia + "/ar/Bad1.OGG");
    DecodedSound sound;
    for (const auto& [bytes, plays] : {std::pair{whole.substr(0, whole.size() * 3 / 4), true},
                                       {whole + whole, false},
                                       {"OggS" + whole.substr(9), false}}) {
        std::ofstream(folder.path() + "/x", std::ios::binary) << bytes;
        EXPECT_EQ(DecodeOggFile(folder.path() + "/x", sound), plays) << bytes.size();
        EXPECT_EQ(OggLengthMs(bytes) > 0, plays) << bytes.size();
    }
}

}  // namespace
}  // namespace quorrel
