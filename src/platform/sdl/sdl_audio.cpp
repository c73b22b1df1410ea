#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "files/ogg_sound.h"

namespace quorrel {
namespace {

// The samples of a clip in one format, converted to the device's. SDL's audio stream (which
// SDL_QueueAudio would use for a device of another format) drops the tail of a resampled
// clip in SDL 2.26, so every clip is converted up front with the older converter.
std::vector<uint8_t> Convert(const SDL_AudioSpec& from, const uint8_t* data, uint32_t length,
                             uint16_t format, int channels, int freq) {
    SDL_AudioCVT cvt;
    int built = SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, format,
                                  static_cast<Uint8>(channels), freq);
    if (built < 0) return {};
    if (built == 0) return std::vector<uint8_t>(data, data + length);
    std::vector<uint8_t> work(static_cast<size_t>(length) * cvt.len_mult);
    std::memcpy(work.data(), data, length);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) return {};
    work.resize(static_cast<size_t>(cvt.len_cvt));
    return work;
}

}  // namespace

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::OpenDevice() {
    if (open_tried_) return device_ != 0;
    open_tried_ = true;
    // Audio starts with the first sound, apart from video: SDL_Init would fail both together,
    // and an idle game without sounds keeps no audio threads awake.
    initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!initialised_) return false;
    SDL_AudioSpec want{}, have{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    // Taking the device's own format keeps SDL from converting behind our back.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_ANY_CHANGE);
    // Opened again after a rest, the device may have chosen another format than the clips
    // were converted to.
    if (have.freq != freq_ || have.format != format_ || have.channels != channels_) {
        waves_.clear();
        beep_.clear();
    }
    freq_ = have.freq;
    format_ = have.format;
    channels_ = have.channels;
    bytes_per_frame_ = SDL_AUDIO_BITSIZE(have.format) / 8 * have.channels;
    buffer_frames_ = have.samples;
    if (device_ && (freq_ <= 0 || bytes_per_frame_ <= 0)) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (!device_) {
        // Silent from now on; the driver's device watcher (ALSA polls every second) goes too.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = false;
    }
    return device_ != 0;
}

const std::vector<uint8_t>& SdlAudio::Converted(const std::string& path) {
    auto it = waves_.find(path);
    if (it != waves_.end()) return it->second;
    std::vector<uint8_t> samples;
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    DecodedSound ogg;
    if (SDL_LoadWAV(path.c_str(), &spec, &data, &length)) {
        samples = Convert(spec, data, length, format_, channels_, freq_);
        SDL_FreeWAV(data);
    } else if (DecodeOggFile(path, ogg)) {  // the voices of other languages
        spec = {};
        spec.freq = ogg.rate;
        spec.format = AUDIO_S16SYS;
        spec.channels = static_cast<Uint8>(ogg.channels);
        samples = Convert(spec, reinterpret_cast<const uint8_t*>(ogg.samples.data()),
                          static_cast<uint32_t>(ogg.samples.size() * sizeof(int16_t)), format_,
                          channels_, freq_);
    }
    // Whole frames only: a clip cut mid-frame would swap the channels of what follows.
    samples.resize(samples.size() / bytes_per_frame_ * bytes_per_frame_);
    return waves_.emplace(path, std::move(samples)).first->second;
}

void SdlAudio::ReleaseIfIdle(uint64_t idle_ms) {
    uint64_t now = SDL_GetTicks64();
    if (!device_ || now < last_used_ms_ || now - last_used_ms_ < idle_ms) return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    // The subsystem goes too, and with it the driver's device watcher.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    initialised_ = false;
    open_tried_ = false;
}

int SdlAudio::PlayWave(const std::string& path) {
    if (path.empty() || !OpenDevice()) return 0;
    return Play(Converted(path));
}

void SdlAudio::Beep() {
    if (!OpenDevice()) return;
    if (beep_.empty()) {
        // A short, soft sine with faded ends, so that it does not click.
        constexpr int kRate = 22050, kMs = 140, kHz = 660;
        constexpr int kFrames = kRate * kMs / 1000, kFade = kRate / 100;
        std::vector<int16_t> tone(kFrames);
        for (int i = 0; i < kFrames; ++i) {
            double envelope = std::min({1.0, i / double(kFade), (kFrames - 1 - i) / double(kFade)});
            tone[i] = static_cast<int16_t>(6000 * envelope *
                                           std::sin(2 * std::numbers::pi * kHz * i / kRate));
        }
        SDL_AudioSpec spec{};
        spec.freq = kRate;
        spec.format = AUDIO_S16SYS;
        spec.channels = 1;
        beep_ = Convert(spec, reinterpret_cast<const uint8_t*>(tone.data()),
                        static_cast<uint32_t>(tone.size() * sizeof(int16_t)), format_, channels_,
                        freq_);
        beep_.resize(beep_.size() / bytes_per_frame_ * bytes_per_frame_);
    }
    Play(beep_);
}

int SdlAudio::Play(const std::vector<uint8_t>& samples) {
    if (samples.empty()) return 0;
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size())) != 0) return 0;
    SDL_PauseAudioDevice(device_, 0);
    const double bytes_per_ms = freq_ * static_cast<double>(bytes_per_frame_) / 1000.0;
    const int buffer_ms = static_cast<int>(std::ceil(buffer_frames_ * 1000.0 / freq_));
    // Heard to its end once the queue has drained and the device's buffer has played out.
    const int ms = static_cast<int>(std::ceil(samples.size() / bytes_per_ms)) + buffer_ms + 5;
    last_used_ms_ = SDL_GetTicks64() + static_cast<uint64_t>(ms);
    return ms;
}

}  // namespace quorrel
