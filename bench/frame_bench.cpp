// What one whole frame costs: the board laid out in a window of the given inner size, then the
// surface and every shown element composited from scratch, with the real fonts and pictures;
// with a display, also that frame put into a real window of that size, as the game does.
//   frame_bench [WIDTH HEIGHT [REPEATS]]     (default 1920 1080 50)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "menus/menus.h"
#include "shell/calc.h"
#include "window/headless/headless_platform.h"
#include "window/render/renderer.h"
#include "window/sdl/media/picture_io.h"
#include "window/sdl/media/sdl_text.h"
#include "window/sdl/sdl_platform.h"

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

void Report(const char* what, const Image& frame, std::vector<double>& ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("frame %dx%d %s: median %.2f ms, worst %.2f ms (%zu frames)\n", frame.width,
                frame.height, what, ms[ms.size() / 2], ms.back(), ms.size());
}

// The frame put on the screen in a window of its size, as many times.
void Show(const Image& frame, int repeats) {
    std::string error;
    std::unique_ptr<SdlPlatform> window = SdlPlatform::Create(error);
    if (!window) {
        std::printf("no window: %s\n", error.c_str());
        return;
    }
    double tpp = window->TwipsPerPixelX();
    window->Move({0, 0, frame.width * tpp, frame.height * tpp});
    window->Show();
    window->Present(frame, 0);
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        Clock::time_point start = Clock::now();
        window->Present(frame, 0);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Report("copied to the window", frame, ms);
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
    Image frame;
    renderer.Render(calc.el, calc.surface, platform, frame);  // fonts and pictures loaded once
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        Clock::time_point start = Clock::now();
        renderer.Render(calc.el, calc.surface, platform, frame);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Report("composited", frame, ms);
    if (std::getenv("DISPLAY")) Show(frame, repeats);
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
