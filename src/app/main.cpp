// Quorrel on the desktop: the window Calc on the SDL platform until it is closed.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "files/program_folder.h"
#include "menus/menus.h"
#include "platform/sdl/media/picture_io.h"
#include "platform/sdl/sdl_platform.h"
#include "shell/app_folders.h"
#include "shell/calc.h"
#include "shell/language.h"
#include "shell/progress_page.h"
#include "shell/reward_book.h"
#include "spiro/reward_export.h"

#ifndef QUORREL_VERSION
#define QUORREL_VERSION "unknown"
#endif

namespace {

constexpr char kUsage[] =
    "Usage: quorrel [--help] [--version] [--scale F] [--lang LL] [--level L]\n"
    "               [--export-rewards DIR] [--export-progress DIR]\n"
    "Starts the number puzzle game Quorrel in a window.\n"
    "\n"
    "  --help                show this help and exit\n"
    "  --version             show the version and exit\n"
    "  --scale F             draw at scale F (0.5 to 4) instead of the desktop's own\n"
    "  --lang LL             show and speak language LL (en es fr de pt_BR it nl pl ru\n"
    "                        ar) instead of the one chosen before or the desktop's\n"
    "  --level L             deal puzzles at level L this time: all, 1 (easiest) to 5,\n"
    "                        or grow (the level follows the child's results)\n"
    "  --export-rewards DIR  write the reward figures earned (SVG and PNG) and an\n"
    "                        index.html to print them into DIR, without a window\n"
    "  --export-progress DIR write the child's progress (index.html with charts, and\n"
    "                        progress.csv) into DIR, without a window\n"
    "\n"
    "Settings are kept in $XDG_DATA_HOME/Brindlecove Software/Quorrel.dat\n"
    "(~/.local/share when XDG_DATA_HOME is not set), the rewards in\n"
    "Quorrel-rewards.txt beside it, the zoom (Ctrl+plus, Ctrl+minus, Ctrl+0, Ctrl+F)\n"
    "in $XDG_CONFIG_HOME/quorrel/zoom, the level beside it, and one line for each\n"
    "puzzle played in Quorrel-learner.txt beside the settings. Nothing is ever sent\n"
    "anywhere: no network, no account, no telemetry. See quorrel(6).\n";

struct Options {
    std::optional<double> scale;
    std::optional<int16_t> level;
    std::string language;
};

// A file of the per-user data folder; "" without one.
std::string DataFile(const char* name) {
    std::string base = quorrel::LocalDataFolderBase();
    return base.empty() ? "" : base + "/" + quorrel::kMakerFolderName + "/" + name;
}

int ExportProgressPage(const char* folder) {
    std::string error = quorrel::ExportProgress(DataFile(quorrel::kLearnerRecordName), folder);
    if (!error.empty()) {
        std::fprintf(stderr, "quorrel: cannot export the progress to %s: %s\n", folder,
                     error.c_str());
        return 1;
    }
    std::printf("quorrel: progress written to %s/index.html and %s/progress.csv\n", folder, folder);
    return 0;
}

// Writes the reward book's figures into folder; the exit code.
int ExportRewardBook(const char* folder) {
    std::string book = DataFile(quorrel::kRewardBookName);
    std::error_code ec;
    std::string target = std::filesystem::absolute(folder, ec).lexically_normal().string();
    while (target.size() > 1 && target.back() == '/') target.pop_back();
    quorrel::ExportResult result = quorrel::ExportRewards(book, target, quorrel::SavePng);
    if (!result.error.empty()) {
        std::fprintf(stderr, "quorrel: cannot export the rewards to %s: %s\n", folder,
                     result.error.c_str());
        return 1;
    }
    std::printf("quorrel: %zu reward figures written to %s/index.html", result.exported,
                target.c_str());
    if (result.exported < result.recorded)
        std::printf(" (the newest %zu of %zu; at most %zu are exported)", result.exported,
                    result.recorded, quorrel::kMaxExportedRewards);
    std::printf("\n");
    return 0;
}

// The exit code when an option ends the program before the window opens.
std::optional<int> HandleOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0) {
            options.scale = i + 1 < argc ? quorrel::ParseScale(argv[++i]) : std::nullopt;
            if (options.scale) continue;
            std::fputs("quorrel: --scale takes a number from 0.5 to 4\n", stderr);
            return 2;
        }
        if (std::strcmp(argv[i], "--lang") == 0) {
            options.language = i + 1 < argc ? argv[++i] : "";
            if (!options.language.empty() &&
                quorrel::GameLanguage(options.language) == options.language)
                continue;
            std::fprintf(stderr, "quorrel: %s\n",
                         quorrel::UnknownLanguageMessage(options.language).c_str());
            return 2;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--export-rewards") == 0) {
            if (i + 1 < argc) return ExportRewardBook(argv[i + 1]);
            std::fputs("quorrel: --export-rewards needs a folder to write into\n", stderr);
            return 2;
        }
        if (std::strcmp(argv[i], "--export-progress") == 0) {
            if (i + 1 < argc) return ExportProgressPage(argv[i + 1]);
            std::fputs("quorrel: --export-progress needs a folder to write into\n", stderr);
            return 2;
        }
        if (std::strcmp(argv[i], "--level") == 0) {
            options.level = i + 1 < argc ? quorrel::ParseLevelName(argv[++i]) : std::nullopt;
            if (options.level) continue;
            std::fputs("quorrel: --level takes all, 1 to 5 or grow\n", stderr);
            return 2;
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
        if (options.level) calc.levels.GiveChoice(*options.level);
        calc.start_language = options.language;
        calc.Start();
        calc.loop.RunUntilClosed();
    }
    platform.reset();
    return 0;
}
