// The sound device: wave files played to their end, one after the other, and a soft beep.
// Without a device (none installed, none free) everything here is silent.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quorrel {

class SdlAudio {
  public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts the wave and returns the milliseconds until it will have been heard to its end; a
    // missing, unreadable or malformed file plays nothing (0). A new sound cuts the last one.
    int PlayWave(const std::string& path);
    void Beep();
    // Closes the device once no sound has played for idle_ms: an open device keeps SDL's audio
    // thread feeding it silence, which is most of an idle game's work. The next sound opens it
    // again.
    void ReleaseIfIdle(uint64_t idle_ms);

  private:
    bool OpenDevice();
    const std::vector<uint8_t>& Converted(const std::string& path);
    int Play(const std::vector<uint8_t>& samples);

    bool initialised_ = false;
    bool open_tried_ = false;
    uint32_t device_ = 0;
    int freq_ = 0, channels_ = 0, bytes_per_frame_ = 0, buffer_frames_ = 0;
    uint16_t format_ = 0;
    uint64_t last_used_ms_ = 0;
    // Each file converted once to the device's format; failures are kept as empty.
    std::map<std::string, std::vector<uint8_t>> waves_;
    std::vector<uint8_t> beep_;
};

}  // namespace quorrel
