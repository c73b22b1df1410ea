// The SDL platform's dealings outside the window: the clocks, the sound device, the help
// viewer and the user's folders.
#include <SDL.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

#include "files/pictures_folder.h"
#include "files/program_folder.h"
#include "platform/sdl/media/picture_io.h"
#include "platform/sdl/sdl_platform.h"

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

CivilTime SdlPlatform::LocalTime() {
    time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string SdlPlatform::PicturesFolder() { return UserPicturesFolder(); }

bool SdlPlatform::WritePng(const Image& image, const std::string& path) {
    return SavePng(image, path);
}

void SdlPlatform::Sleep(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

int SdlPlatform::StartWave(const std::string&, const std::string& path) {
    return audio_ ? audio_->PlayWave(path) : 0;
}

void SdlPlatform::Beep() {
    if (audio_) audio_->Beep();
}

namespace {

// An executable of that name in one of PATH's folders.
bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t begin = 0;
    while (begin <= folders.size()) {
        size_t end = folders.find(':', begin);
        if (end == std::string::npos) end = folders.size();
        std::string folder = end > begin ? folders.substr(begin, end - begin) : ".";
        std::string candidate = folder + "/" + program;
        struct stat st;
        if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return true;
        begin = end + 1;
    }
    return false;
}

// A file URL for an absolute path, with every byte outside the unreserved set escaped.
std::string FileUrl(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

}  // namespace

bool SdlPlatform::OpenHelp(const std::string& help_folder, int context) {
    std::string page = HelpPage(help_folder, context);
    struct stat st;
    if (page.empty() || page[0] != '/' || stat(page.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // SDL starts xdg-open from a grandchild and reports only a failed fork, so a missing
    // xdg-open would pass unseen: look for it first.
    if (!OnPath("xdg-open")) return false;
    return SDL_OpenURL(FileUrl(page).c_str()) == 0;
}

std::string SdlPlatform::DataFolderBase() { return data_folder_base_; }

std::string SdlPlatform::ProgramFolder() {
    if (!program_folder_.empty()) return program_folder_;
    program_folder_ = ChooseProgramFolder(ExecutableFolder(), IsFolder);
    return program_folder_;
}

}  // namespace quorrel
