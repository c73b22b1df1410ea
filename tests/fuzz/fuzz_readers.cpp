// libFuzzer entry points for every reader of outside data, one per build (FUZZ_SETTINGS,
// FUZZ_PROBLEMS, FUZZ_WAVE, FUZZ_TYPED, FUZZ_REWARDS, FUZZ_ZOOM, FUZZ_USERDIRS, FUZZ_LEARNER,
// FUZZ_CATALOG).
// A broken invariant aborts, so the run keeps the input.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "board/problem_file.h"
#include "files/mo_catalog.h"
#include "files/ogg_sound.h"
#include "files/pictures_folder.h"
#include "shell/learner_record.h"
#include "shell/reward_book.h"
#include "shell/settings.h"
#include "shell/zoom.h"
#include "spiro/maker.h"
#include "state/convert.h"
#include "window/platform.h"

// Each build calls one of the readers below.
#pragma clang diagnostic ignored "-Wunused-function"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "broken: %s\n", what), std::abort();
}

using namespace quorrel;

// A message catalog is read whole or refused whole, and every text lies within its bytes.
void Catalog(const std::string& data) {
    MoCatalog mo;
    std::string error;
    Check(mo.Parse(data, error) || (mo.Entries().empty() && !error.empty()), "refused whole");
    for (const MoEntry& e : mo.Entries())
        Check(e.context.size() + e.original.size() < data.size() &&
                  e.translation.size() < data.size(),
              "text within the bytes");
}

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

// The readers that take a path get the bytes through a file, in memory where there is a tmpfs:
// a disk would make every run wait on it.
std::string WrittenFile(const std::string& data, const char* suffix) {
    static const std::string stem =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/quorrel-fuzz-" +
        std::to_string(getpid());
    std::string path = stem + suffix;
    if (FILE* file = std::fopen(path.c_str(), "wb"))
        std::fwrite(data.data(), 1, data.size(), file), std::fclose(file);
    return path;  // a file that could not be written reads as missing
}

void Wave(const std::string& data) {
    std::string path = WrittenFile(data, ".wav");
    int ms = SoundLengthMs(path);  // a wave or an Ogg Vorbis file
    DecodedSound ogg;              // as the desktop decodes a recording to play it
    Check(!DecodeOggFile(path, ogg) || ogg.LengthMs() <= 10000, "decoded length");
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

// The first byte is how many entries to keep, the rest the book: only whole lines count, and
// every entry kept writes a line that reads back as itself.
void Rewards(const std::string& data) {
    if (data.empty()) return;
    size_t keep = static_cast<unsigned char>(data[0]) % 8;
    std::string path = WrittenFile(data.substr(1), ".txt");
    RewardBook book = ReadRewardBook(path, keep);
    unlink(path.c_str());
    Check(book.entries.size() == std::min(keep, book.valid), "entries kept");
    Check(book.valid <= size_t(std::count(data.begin() + 1, data.end(), '\n')), "whole lines");
    for (const RewardEntry& e : book.entries) {
        std::string line = FormatRewardLine(e);
        RewardEntry back;
        Check(ParseRewardLine(line.substr(0, line.size() - 1), back) &&
                  FormatRewardLine(back) == line,
              "entry reads back");
    }
}

void Zoom(const std::string& text) {
    ZoomChoice zoom = ParseZoomFile(text);
    Check(std::count(std::begin(kZoomSteps), std::end(kZoomSteps), zoom.percent) == 1, "a step");
    ZoomChoice back = ParseZoomFile(FormatZoomFile(zoom));
    Check(back.percent == zoom.percent && back.fit == zoom.fit, "write and read back");
}

// The first line is $HOME, the rest the file: the folder is absolute, on one line, without a
// trailing slash; "" only for a home that is not absolute.
void UserDirs(const std::string& data) {
    size_t end = std::min(data.find('\n'), data.size());
    std::string home = data.substr(0, end);
    std::string folder = PicturesFolderFrom(data.substr(std::min(end + 1, data.size())), home);
    Check(folder.empty() == (home.empty() || home[0] != '/'), "empty only without a home");
    Check(folder.empty() || (folder[0] == '/' && folder.find('\n') == std::string::npos &&
                             (folder.size() == 1 || folder.back() != '/')),
          "one absolute path without a trailing slash");
}

// Whole lines only, the rating within its bounds, and the record written back reads as itself.
void Learner(const std::string& text) {
    LearnerRecord record = ParseLearnerRecord(text);
    const size_t ends = std::count(text.begin(), text.end(), '\n');
    Check(record.lines.size() <= std::min(kLearnerRecordMaxLines, ends), "whole lines");
    Check(record.rating >= kLowestRating && record.rating <= kHighestRating, "rating in bounds");
    const std::string written = FormatLearnerRecord(record.lines);
    const LearnerRecord back = ParseLearnerRecord(written);
    Check(back.lines.size() == record.lines.size() && back.rating == record.rating &&
              FormatLearnerRecord(back.lines) == written,
          "record reads back");
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
#elif defined(FUZZ_REWARDS)
    Rewards(data);
#elif defined(FUZZ_ZOOM)
    Zoom(data);
#elif defined(FUZZ_LEARNER)
    Learner(data);
#elif defined(FUZZ_USERDIRS)
    UserDirs(data);
#elif defined(FUZZ_CATALOG)
    Catalog(data);
#else
    Typed(data);
#endif
    return 0;
}
