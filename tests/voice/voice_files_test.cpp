// Reads every shipped wave file back with a small parser of its own and checks the format the
// player converts from, the length, the level, and how tightly the spoken files are trimmed
// (numbers are chained at run time, so a word padded with silence makes "thirty ... seven").

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#ifndef QUORREL_SOURCE_DIR
#error "QUORREL_SOURCE_DIR must name the source folder that holds Media/"
#endif

namespace {

constexpr uint32_t kRate = 22050;
constexpr uint32_t kBytesPerSecond = kRate * 2;
constexpr double kMaxSeconds = 3.0;
constexpr uintmax_t kMaxSetBytes = 1'500'000;

// Anything below -40 dBFS counts as not yet (or no longer) speaking.
constexpr int kAudible = 328;
// Quiet onsets such as the "f" of "fourteen" stay under the audible mark for up to 80 ms.
constexpr double kMaxLeadSeconds = 0.12;
constexpr double kMaxTailSeconds = 0.15;
// Peaks must reach -20 dBFS and stay clear of clipping.
constexpr int kMinPeak = 3277;
constexpr int kMaxPeak = 32000;

enum class Kind { Speech, Effect };

struct Sound {
    const char* name;
    Kind kind;
};

const Sound kSounds[] = {
    {"Click1", Kind::Effect}, {"Click2", Kind::Effect}, {"Aah", Kind::Effect},
    {"equals", Kind::Speech}, {"Plus", Kind::Speech},   {"Minus", Kind::Speech},
    {"Times", Kind::Speech},  {"Divide", Kind::Speech}, {"Good0", Kind::Speech},
    {"Good1", Kind::Speech},  {"Good2", Kind::Speech},  {"Good3", Kind::Speech},
    {"Good4", Kind::Speech},  {"Bad0", Kind::Speech},   {"Bad1", Kind::Speech},
    {"Bad2", Kind::Speech},   {"Bad3", Kind::Speech},   {"Bad4", Kind::Speech},
    {"0", Kind::Speech},      {"1", Kind::Speech},      {"2", Kind::Speech},
    {"3", Kind::Speech},      {"4", Kind::Speech},      {"5", Kind::Speech},
    {"6", Kind::Speech},      {"7", Kind::Speech},      {"8", Kind::Speech},
    {"9", Kind::Speech},      {"10", Kind::Speech},     {"11", Kind::Speech},
    {"12", Kind::Speech},     {"13", Kind::Speech},     {"14", Kind::Speech},
    {"15", Kind::Speech},     {"16", Kind::Speech},     {"17", Kind::Speech},
    {"18", Kind::Speech},     {"19", Kind::Speech},     {"20", Kind::Speech},
    {"24", Kind::Speech},     {"30", Kind::Speech},     {"36", Kind::Speech},
    {"40", Kind::Speech},     {"42", Kind::Speech},     {"48", Kind::Speech},
    {"50", Kind::Speech},     {"60", Kind::Speech},     {"70", Kind::Speech},
    {"80", Kind::Speech},     {"90", Kind::Speech},     {"100", Kind::Speech},
};

void PrintTo(const Sound& s, std::ostream* os) { *os << s.name << ".WAV"; }

std::string PathOf(const char* name) {
    return std::string(QUORREL_SOURCE_DIR "/Media/") + name + ".WAV";
}

std::optional<std::vector<uint8_t>> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

struct Wave {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
    std::vector<int16_t> samples;
    uint32_t dataBytes = 0;
};

// Walks the chunk list rather than assuming the 44-byte layout, as the game's loader does:
// a LIST or fact chunk before the data must not be read as sound.
std::optional<Wave> ParseWave(const std::vector<uint8_t>& b, std::string& why) {
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        why = "no RIFF/WAVE header";
        return std::nullopt;
    }
    if (static_cast<uint64_t>(U32(b, 4)) + 8 > b.size()) {
        why = "RIFF size runs past the end of the file";
        return std::nullopt;
    }
    Wave w;
    bool haveFmt = false;
    bool haveData = false;
    size_t at = 12;
    while (at + 8 <= b.size() && !haveData) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const uint32_t size = U32(b, at + 4);
        const size_t body = at + 8;
        if (size > b.size() - body) {
            why = "chunk '" + id + "' runs past the end of the file";
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16) {
                why = "fmt chunk too short";
                return std::nullopt;
            }
            w.format = U16(b, body);
            w.channels = U16(b, body + 2);
            w.rate = U32(b, body + 4);
            w.byteRate = U32(b, body + 8);
            w.blockAlign = U16(b, body + 12);
            w.bits = U16(b, body + 14);
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) {
                why = "data chunk before fmt chunk";
                return std::nullopt;
            }
            w.dataBytes = size;
            w.samples.reserve(size / 2);
            for (size_t i = 0; i + 1 < size; i += 2) {
                w.samples.push_back(static_cast<int16_t>(U16(b, body + i)));
            }
            haveData = true;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    if (!haveFmt || !haveData) {
        why = haveFmt ? "no data chunk" : "no fmt chunk";
        return std::nullopt;
    }
    return w;
}

class VoiceFile : public ::testing::TestWithParam<Sound> {};

TEST_P(VoiceFile, IsShortMonoPcmAtTheGameRate) {
    const Sound& s = GetParam();
    const auto bytes = ReadAll(PathOf(s.name));
    ASSERT_TRUE(bytes) << PathOf(s.name) << " is missing or unreadable";
    std::string why;
    const auto w = ParseWave(*bytes, why);
    ASSERT_TRUE(w) << s.name << ": " << why;

    EXPECT_EQ(w->format, 1) << "not integer PCM";
    EXPECT_EQ(w->channels, 1);
    EXPECT_EQ(w->rate, kRate);
    EXPECT_EQ(w->bits, 16);
    EXPECT_EQ(w->blockAlign, 2);
    EXPECT_EQ(w->byteRate, kBytesPerSecond);
    EXPECT_EQ(w->dataBytes % 2, 0u) << "a half sample at the end";
    EXPECT_GT(w->dataBytes, 0u);
    EXPECT_LT(static_cast<double>(w->dataBytes) / kBytesPerSecond, kMaxSeconds);
}

TEST_P(VoiceFile, IsAudibleAndUnclipped) {
    const Sound& s = GetParam();
    const auto bytes = ReadAll(PathOf(s.name));
    ASSERT_TRUE(bytes) << PathOf(s.name) << " is missing or unreadable";
    std::string why;
    const auto w = ParseWave(*bytes, why);
    ASSERT_TRUE(w && !w->samples.empty()) << s.name << ": " << why;

    int peak = 0;
    for (int16_t v : w->samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_GE(peak, kMinPeak) << s.name << " is too quiet";
    EXPECT_LE(peak, kMaxPeak) << s.name << " is at or near clipping";
}

class SpokenFile : public VoiceFile {};

TEST_P(SpokenFile, IsTrimmedForChaining) {
    const Sound& s = GetParam();
    const auto bytes = ReadAll(PathOf(s.name));
    ASSERT_TRUE(bytes) << PathOf(s.name) << " is missing or unreadable";
    std::string why;
    const auto w = ParseWave(*bytes, why);
    ASSERT_TRUE(w && !w->samples.empty()) << s.name << ": " << why;

    const auto& v = w->samples;
    const auto audible = [](int16_t x) { return std::abs(static_cast<int>(x)) >= kAudible; };
    size_t first = 0;
    while (first < v.size() && !audible(v[first])) ++first;
    ASSERT_LT(first, v.size()) << s.name << " never rises above -40 dBFS";
    size_t last = v.size() - 1;
    while (!audible(v[last])) --last;

    EXPECT_LT(static_cast<double>(first) / kRate, kMaxLeadSeconds) << "silence before the word";
    EXPECT_LT(static_cast<double>(v.size() - 1 - last) / kRate, kMaxTailSeconds)
        << "silence after the word";
}

std::string TestName(const ::testing::TestParamInfo<Sound>& info) {
    return std::string("File_") + info.param.name;
}

std::vector<Sound> Spoken() {
    std::vector<Sound> out;
    for (const Sound& s : kSounds) {
        if (s.kind == Kind::Speech) out.push_back(s);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(AllSounds, VoiceFile, ::testing::ValuesIn(kSounds), TestName);
INSTANTIATE_TEST_SUITE_P(Speech, SpokenFile, ::testing::ValuesIn(Spoken()), TestName);

TEST(VoiceSet, HasAllFiftyOneNamesAndStaysSmall) {
    EXPECT_EQ(std::size(kSounds), 51u);
    uintmax_t total = 0;
    for (const Sound& s : kSounds) {
        const auto bytes = ReadAll(PathOf(s.name));
        if (bytes) total += bytes->size();
    }
    EXPECT_LT(total, kMaxSetBytes) << "the wave files together take " << total << " bytes";
}

}  // namespace
