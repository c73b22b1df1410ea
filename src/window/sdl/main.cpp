// Quorrel on the desktop: the window Calc on the SDL platform until it is closed.
#include <cstdio>
#include <cstring>
#include <optional>

#include "menus/menus.h"
#include "shell/app_folders.h"
#include "shell/calc.h"
#include "window/program_folder.h"
#include "window/sdl/sdl_platform.h"

#ifndef QUORREL_VERSION
#define QUORREL_VERSION "unknown"
#endif

namespace {

constexpr char kUsage[] =
    "Usage: quorrel [--help] [--version] [--scale F]\n"
    "Starts the number puzzle game Quorrel in a window.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --scale F    draw at scale F (0.5 to 4) instead of the desktop's own scale\n"
    "\n"
    "Settings are kept in $XDG_DATA_HOME/Brindlecove Software/Quorrel.dat\n"
    "(~/.local/share when XDG_DATA_HOME is not set), the zoom (Ctrl+plus, Ctrl+minus,\n"
    "Ctrl+0, Ctrl+F) in $XDG_CONFIG_HOME/quorrel/zoom. See quorrel(6).\n";

struct Options {
    std::optional<double> scale;
};

// The exit code when an option ends the program before the window opens.
std::optional<int> HandleOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0) {
            options.scale = i + 1 < argc ? quorrel::ParseScale(argv[++i]) : std::nullopt;
            if (options.scale) continue;
            std::fputs("quorrel: --scale takes a number from 0.5 to 4\n", stderr);
            return 2;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Quorrel %s\n", QUORREL_VERSION);
            return 0;
        }
        std::fprintf(stderr, "quorrel: unknown option '%s' (try 'quorrel --help')\n", argv[i]);
        return 2;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (std::optional<int> code = HandleOptions(argc, argv, options)) return *code;
    std::string error;
    std::unique_ptr<quorrel::SdlPlatform> platform = quorrel::SdlPlatform::Create(error);
    if (!platform) {
        std::fprintf(stderr, "quorrel: cannot open a window: %s\n", error.c_str());
        return 1;
    }
    platform->SetDataFolderBase(quorrel::LocalDataFolderBase());
    platform->SetConfigFolder(quorrel::LocalConfigFolder());
    if (options.scale) platform->SetDisplayScale(*options.scale);
    std::string folder = platform->ProgramFolder();
    std::string missing = quorrel::MissingDataFolders(folder, quorrel::IsFolder);
    if (!missing.empty())
        std::fprintf(stderr, "quorrel: %s missing in %s; playing without them\n", missing.c_str(),
                     folder.c_str());
    {
        quorrel::Calc calc(*platform, quorrel::MakeGameHooks);  // seeded from the clock at load
        calc.Start();
        calc.loop.RunUntilClosed();
    }
    platform.reset();
    return 0;
}
