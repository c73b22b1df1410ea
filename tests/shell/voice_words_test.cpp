// How each language speaks a number, and the game's voice: the chosen set, or English kept.
#include "shell/voice_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "support/game.h"

namespace quorrel {

TEST(VoiceWords, NumbersFollowEachLanguagesRules) {
    // clang-format off
    const std::tuple<const char*, int, const char*, int> cases[] = {
        {"en", 37, "30 7", 7}, {"en", 30, "30", 0}, {"en", 120, "100 20", 20},
        {"en", -105, "Minus 100 5", 5}, {"en", 200, "", 0}, {"fr", 71, "71", 71},
        {"fr", 171, "100 71", 71}, {"de", 36, "36", 36}, {"es", 100, "100", 100},
        {"es", 116, "Hundred 16", 16}, {"pt_BR", 121, "Hundred 21", 21}, {"it", 108, "108", 108},
        {"it", 183, "183", 183}, {"it", 121, "100 21", 21}, {"nl", 36, "36", 36},
        {"pl", 37, "30 7", 7}, {"pl", 150, "100 50", 0}, {"ru", -42, "Minus 40 2", 2},
        {"ar", 71, "71", 71}, {"ar", 107, "Hundred 7", 7}, {"ar", -199, "Minus Hundred 99", 99},
        {"xx", 5, "", 0}};
    // clang-format on
    for (const auto& [code, number, want, rest] : cases) {
        SpokenNumber said = SpeakNumber(code, number);
        std::string parts;
        for (const std::string& part : said.parts) parts += (parts.empty() ? "" : " ") + part;
        EXPECT_EQ(parts, want) << code << " " << number;
        EXPECT_EQ(said.rest, rest) << code << " " << number;
    }
}

TEST(VoiceLanguage, PlaysTheChosenSetOrStaysEnglish) {
    testing_support::TempFolder broken, data;  // a program folder whose German set is no set
    std::filesystem::create_directories(broken.path() + "/Media/de");
    std::ofstream(broken.path() + "/Media/de/7.OGG") << "not a sound";
    const std::vector<std::string> english{"sound 30", "sound 7", "sound Click1"};
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {QUORREL_SOURCE_DIR, "es", {"sound es/37", "sound Click1"}},
        {QUORREL_SOURCE_DIR, "xx", english},
        {broken.path(), "de", english}};
    for (const auto& [folder, code, events] : cases) {
        HeadlessOptions options = testing_support::GameOptions(data.path());
        options.program_folder = folder;
        HeadlessPlatform platform(options);
        Calc calc(platform, MakeGameHooks, 7);
        calc.Start();
        calc.gs.SoundLevel = 2;
        ::testing::internal::CaptureStderr();
        SetVoiceLanguage(calc, code);
        EXPECT_EQ(std::ranges::count(::testing::internal::GetCapturedStderr(), '\n'),
                  events == english);
        platform.TakeEvents();
        const uint64_t start = platform.NowMs();  // the clock runs on by the files' lengths
        calc.loop.Run(calc.SayNumber(37));
        calc.loop.Run(calc.PlaySound("Click1"));
        EXPECT_EQ(platform.TakeEvents(), events) << code;
        EXPECT_GE(platform.NowMs() - start, folder == broken.path() ? 0u : 400u) << code;
    }
}

}  // namespace quorrel
