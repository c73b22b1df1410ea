// What one whole frame costs: the board laid out in a window of the given inner size, then the
// surface and every shown element composited from scratch, with the real fonts and pictures;
// with a display, also that frame put into a real window of that size, as the game does, and the
// frames per second of the longest reward figure drawn in the real game at that size.
//   frame_bench [WIDTH HEIGHT [REPEATS]]     (default 1920 1080 50)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "menus/menus.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/media/picture_io.h"
#include "platform/sdl/media/sdl_text.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/calc.h"
#include "spiro/draw_spiro.h"
#include "spiro/spiro_walk.h"
#include "window/render/renderer.h"

namespace quorrel {
namespace {

using Clock = std::chrono::steady_clock;

// Runs the game's loop for ms of virtual time, timers included.
void Run(HeadlessPlatform& platform, Calc& calc, uint64_t ms) {
    uint64_t target = platform.NowMs() + ms;
    while (!calc.loop.Unloaded() && platform.NowMs() < target) {
        calc.loop.Pump();
        uint64_t next = std::min(calc.timers.EarliestDue(), target);
        platform.Advance(std::max<uint64_t>(next - std::min(next, platform.NowMs()), 1));
    }
}

void Report(const char* what, int width, int height, std::vector<double>& ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("frame %dx%d %s: median %.2f ms, worst %.2f ms (%zu frames)\n", width, height, what,
                ms[ms.size() / 2], ms.back(), ms.size());
}

// The frame composed straight into a real window of its size and put on the screen, as the
// game does it, as many times.
void Show(Renderer& renderer, Calc& calc, Platform& platform, int width, int height, int repeats) {
    std::string error;
    std::unique_ptr<SdlPlatform> window = SdlPlatform::Create(error);
    if (!window) {
        std::printf("no window: %s\n", error.c_str());
        return;
    }
    double tpp = window->TwipsPerPixelX();
    window->Move({0, 0, width * tpp, height * tpp});
    window->Show();
    std::vector<double> ms;
    for (int i = 0; i <= repeats; ++i) {
        Clock::time_point start = Clock::now();
        PixelView lent = window->LendFrame(width, height);
        if (lent.Empty()) {
            std::printf("the window lends no pixels to compose in\n");
            return;
        }
        renderer.Render(calc.el, calc.surface, platform, lent);
        window->PresentLent(0);
        // The first one pays for the window's fresh memory, as the first frame after a resize.
        if (i > 0)
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Report("composed in the window and shown", width, height, ms);
}

double Monotonic() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// The reward figure with the most segments of all the dealer can give.
SpiroRequest LongestReward() {
    SpiroRequest longest{};
    int64_t most = 0;
    for (int d = 0; d < 10000; ++d) {
        int d0 = d / 1000, d1 = d / 100 % 10, d2 = d / 10 % 10, d3 = d % 10;
        SpiroRequest r{static_cast<int16_t>(d0 + 3 * d1 + 4), static_cast<int16_t>(9 * d2),
                       static_cast<int16_t>(d3)};
        GameState gs;
        SpiroMeasure m = MeasureSpiro(gs, r);
        if (m.total_segments > most) most = m.total_segments, longest = r;
    }
    return longest;
}

// The real game in a real window of the given size draws the longest reward figure; the frames
// it presents meanwhile are read back from its frame log.
void Drawing(int width, int height, const std::string& data_folder) {
    setenv("QUORREL_FRAME_LOG", "1", 1);
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    std::string log_path = data_folder + "/frames.txt";
    std::fflush(stderr);
    int saved_stderr = dup(2);
    if (!std::freopen(log_path.c_str(), "w", stderr)) return;
    double start = 0, end = 0;
    {
        std::string error;
        std::unique_ptr<SdlPlatform> window = SdlPlatform::Create(error);
        if (!window) return;
        window->SetDataFolderBase(data_folder);
        Calc calc(*window, MakeGameHooks, 1);
        calc.Start();
        double tpp = window->TwipsPerPixelX();
        window->Move({0, 0, width * tpp, height * tpp});
        for (int i = 0; i < 20; ++i) calc.loop.WaitAndPump(10);
        for (TimerId t : {TimerId::FirstUp, TimerId::LastUp, TimerId::KlikOff, TimerId::TileBoy})
            calc.DisableTimer(t);
        calc.el(Name::Floater).visible = false;
        calc.el(Name::First).visible = false;
        calc.el(Name::Spirom).visible = false;
        SpiroRequest longest = LongestReward();
        start = Monotonic();
        calc.loop.Run(DrawSpiro(calc, longest.order, longest.angle, longest.left_turns));
        end = Monotonic();
    }
    std::fflush(stderr);
    dup2(saved_stderr, 2);
    close(saved_stderr);
    std::vector<double> frames;
    std::ifstream log(log_path);
    for (std::string word; log >> word;) {
        double t;
        if (word == "frame" && log >> t && t >= start && t <= end) frames.push_back(t);
    }
    double worst = 0;
    for (size_t i = 1; i < frames.size(); ++i) worst = std::max(worst, frames[i] - frames[i - 1]);
    std::printf(
        "longest reward drawn at %dx%d: %zu frames in %.2f s, %.1f frames/s, longest gap "
        "%.1f ms\n",
        width, height, frames.size(), end - start, frames.size() / (end - start), worst * 1000);
}

int Main(int width, int height, int repeats) {
    HeadlessOptions options;
    options.program_folder = QUORREL_SOURCE_DIR;
    char folder[] = "/tmp/quorrel-frame-bench-XXXXXX";
    options.data_folder = mkdtemp(folder) ? folder : "/tmp";
    options.screen_width = width + 200;
    options.screen_height = height + 200;
    options.load_picture = LoadPicture;
    options.text = std::make_shared<SdlTextRasteriser>();
    HeadlessPlatform platform(options);
    Calc calc(platform, MakeGameHooks, 1);
    calc.Start();
    platform.ResizeOuter(width + HeadlessPlatform::kFrameWidth,
                         height + HeadlessPlatform::kFrameHeight);
    platform.Queue({InputEvent::Type::Resize});
    Run(platform, calc, 2500);  // the board is up

    Renderer renderer;
    Image frame(calc.surface.Width(), calc.surface.Height());
    renderer.Render(calc.el, calc.surface, platform, frame);  // fonts and pictures loaded once
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        Clock::time_point start = Clock::now();
        renderer.Render(calc.el, calc.surface, platform, frame);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Report("composited", frame.width, frame.height, ms);
    if (std::getenv("DISPLAY")) {
        Show(renderer, calc, platform, frame.width, frame.height, repeats);
        Drawing(width, height, options.data_folder);
    }
    std::error_code ignored;
    std::filesystem::remove_all(options.data_folder, ignored);
    return 0;
}

}  // namespace
}  // namespace quorrel

int main(int argc, char** argv) {
    int width = argc > 2 ? std::atoi(argv[1]) : 1920;
    int height = argc > 2 ? std::atoi(argv[2]) : 1080;
    int repeats = argc > 3 ? std::max(std::atoi(argv[3]), 1) : 50;
    return quorrel::Main(width, height, repeats);
}
