// libFuzzer entry points for every reader of outside data, one per build (FUZZ_SETTINGS,
// FUZZ_PROBLEMS, FUZZ_WAVE, FUZZ_TYPED). A broken invariant aborts, so the run keeps the input.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "board/problem_file.h"
#include "shell/settings.h"
#include "spiro/maker.h"
#include "state/convert.h"
#include "window/platform.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "broken: %s\n", what), std::abort();
}

using namespace quorrel;

// Whatever the file holds, what the game writes back reads as what it read.
void Settings(const std::string& text) {
    const ScreenTwips screen{15360, 11520, 15};
    SavedSettings s = ParseSettings(text, screen);
    Check(s.target >= 0 && s.target <= 9 && s.sound >= 0 && s.sound <= 2, "option range");
    Check(s.window_state >= 0 && s.window_state <= 2 && s.width > 0 && s.height > 0, "placement");
    Placement p{double(s.left), double(s.top), double(s.width), double(s.height)};
    auto fields = [](const SavedSettings& v) {
        return std::tuple(v.reward, v.target, v.sound, v.groups, v.window_state, v.left, v.top,
                          v.width, v.height);
    };
    std::string written = FormatSettings(s.reward, s.target, s.sound, s.groups, s.window_state, p);
    Check(fields(ParseSettings(written, screen)) == fields(s), "write and read back");
}

void Problems(const std::string& data) {
    if (data.size() < 2) return;
    std::array<int16_t, 3> groups{int16_t(data[0] & 1), int16_t(data[0] & 2), int16_t(data[0] & 4)};
    size_t capacity = static_cast<unsigned char>(data[1]);
    std::vector<std::string> texts =
        ReadProblemTexts(std::string_view(data).substr(2), groups, capacity);
    Check(texts.size() <= capacity && texts.size() <= data.size() / 8, "problem count");
    for (const std::string& t : texts) {
        Check(t.size() == 29, "problem text length");  // every text keeps its 29 characters
        for (int i = 0; i < 4; ++i)
            Check(ProblemDigit(t, i) >= 0 && ProblemDigit(t, i) <= 9, "digit");
    }
}

void Wave(const std::string& data) {
    // In memory where there is a tmpfs: a disk would make every run wait on it.
    static const std::string path =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/quorrel-fuzz-" +
        std::to_string(getpid()) + ".wav";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
    int ms = WaveLengthMs(path);
    unlink(path.c_str());
    // At least one byte a second: no length beyond what the file's bytes can play.
    Check(ms >= 0 && int64_t{ms} <= int64_t(data.size()) * 1000, "wave length");
}

void Typed(const std::string& caption) {
    double value = LeadingNumber(caption);
    Check(value == value, "leading number is a number");
    if (AcceptableMakerValue(caption))
        Check(MakerValue(caption) >= 1 && MakerValue(caption) <= 32767, "accepted value in range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string data(reinterpret_cast<const char*>(bytes), size);
#if defined(FUZZ_SETTINGS)
    Settings(data);
#elif defined(FUZZ_PROBLEMS)
    Problems(data);
#elif defined(FUZZ_WAVE)
    Wave(data);
#else
    Typed(data);
#endif
    return 0;
}
