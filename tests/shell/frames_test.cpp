#include <gtest/gtest.h>

#include "support/game.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

// A screen that is looked at: each sound notes the colour the third number had in the frame
// on screen when the sound began.
struct WatchedPlatform : HeadlessPlatform {
    using HeadlessPlatform::HeadlessPlatform;
    Calc* calc = nullptr;
    uint32_t on_screen = 0;
    std::vector<uint32_t> at_sound;
    bool ShowsFrames() const override { return true; }
    void Present(const Image& frame, uint32_t back) override {
        HeadlessPlatform::Present(frame, back);
        on_screen = calc->el(Name::Digit, 2).fore;
    }
    int StartWave(const std::string& name, const std::string& path) override {
        at_sound.push_back(on_screen);
        return HeadlessPlatform::StartWave(name, path);
    }
};

TEST(Frames, ANumberIsRedOnScreenBeforeItIsSpokenAndAnIdleBoardPresentsNothing) {
    TempFolder data;
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    options.data_folder = data.path();
    options.load_picture = [](const std::string&) { return std::optional<Image>(Image(100, 100)); };
    WatchedPlatform platform(options);
    Calc calc(platform, MakeGameHooks, 7);
    platform.calc = &calc;
    calc.Start();
    calc.gs.SoundLevel = 2;
    for (int ms = 0; ms < 3000; ms += 500, platform.Advance(500)) calc.loop.Pump();
    int presents = platform.presents();
    for (int ms = 0; ms < 3000; ms += 500, platform.Advance(500)) calc.loop.Pump();
    EXPECT_EQ(platform.presents(), presents);  // the background ticks lay the same tiles
    platform.at_sound.clear();
    InputEvent click;
    click.element = calc.el.Id(calc.el(Name::Digit, 2));
    platform.Queue(click);
    calc.loop.Pump();
    ASSERT_FALSE(platform.at_sound.empty());
    EXPECT_EQ(platform.at_sound.front(), colour::kRed);
}

}  // namespace
}  // namespace quorrel
