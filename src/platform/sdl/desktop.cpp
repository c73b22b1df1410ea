// The SDL platform's dealings outside the window: the clocks, the sound device and the user's
// folders.
#include <SDL.h>
#include <time.h>
#include <unistd.h>

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

std::string SdlPlatform::DataFolderBase() { return data_folder_base_; }

std::string SdlPlatform::ProgramFolder() {
    if (!program_folder_.empty()) return program_folder_;
    program_folder_ = ChooseProgramFolder(ExecutableFolder(), IsFolder);
    return program_folder_;
}

}  // namespace quorrel
