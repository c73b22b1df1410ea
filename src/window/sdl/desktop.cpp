// The SDL platform's dealings outside the window: the clocks, the sound device, the help
// viewer and the user's folders.
#include <SDL.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "shell/app_folders.h"
#include "window/sdl/sdl_platform.h"

extern char** environ;

namespace quorrel {

uint64_t SdlPlatform::NowMs() { return SDL_GetTicks64(); }

float SdlPlatform::SecondsSinceMidnight() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    double seconds =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_nsec / 1e9;
    return static_cast<float>(seconds);
}

void SdlPlatform::Sleep(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

void SdlPlatform::PlayWave(const std::string&, const std::string& path) {
    if (audio_) audio_->PlayWave(path);
}

void SdlPlatform::Beep() {
    if (audio_) audio_->Beep();
}

void SdlPlatform::ReapHelpers() {
    std::erase_if(helpers_, [](int pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

void SdlPlatform::OpenHelp(const std::string& help_folder, int context) {
    ReapHelpers();
    std::string page = help_folder;
    if (!page.empty() && page.back() != '/') page += '/';
    page += "topic-" + std::to_string(context) + ".html";
    struct stat st;
    if (stat(page.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = "xdg-open";
    char* argv[] = {program, page.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, &actions, nullptr, argv, environ) == 0) helpers_.push_back(pid);
    posix_spawn_file_actions_destroy(&actions);
}

std::string SdlPlatform::DataFolderBase() {
    // The start-up makes the folder (and this base with it) when it is missing.
    return LocalDataFolderBase();
}

std::string SdlPlatform::ProgramFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path().string();
}

}  // namespace quorrel
