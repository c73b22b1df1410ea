#include "files/ogg_sound.h"

#include "files/bounded_file.h"

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace quorrel {
namespace {

constexpr size_t kMaxFileBytes = 4 << 20;
constexpr unsigned kMinRate = 8000, kMaxRate = 48000;
constexpr size_t kMaxSamples = 10 * kMaxRate * 2;

// Decodes an opened stream while it stays within the bounds; false when it does not.
bool Decode(stb_vorbis* stream, DecodedSound& out) {
    const stb_vorbis_info info = stb_vorbis_get_info(stream);
    if (info.channels < 1 || info.channels > 2 || info.sample_rate < kMinRate ||
        info.sample_rate > kMaxRate)
        return false;
    out.channels = info.channels;
    out.rate = static_cast<int>(info.sample_rate);
    short chunk[4096];
    while (int frames = stb_vorbis_get_samples_short_interleaved(stream, info.channels, chunk,
                                                                 std::size(chunk))) {
        const size_t count = static_cast<size_t>(frames) * info.channels;
        if (out.samples.size() + count > kMaxSamples) return false;
        out.samples.insert(out.samples.end(), chunk, chunk + count);
    }
    return !out.samples.empty();
}

}  // namespace

int DecodedSound::LengthMs() const {
    if (channels <= 0 || rate <= 0) return 0;
    return static_cast<int>((samples.size() / channels * 1000 + rate - 1) / rate);
}

bool DecodeOggFile(const std::string& path, DecodedSound& out) {
    out = {};
    std::string bytes;
    if (!ReadFileBounded(path, kMaxFileBytes + 1, bytes) || bytes.size() > kMaxFileBytes ||
        bytes.compare(0, 4, "OggS") != 0)
        return false;
    int error = 0;
    stb_vorbis* stream =
        stb_vorbis_open_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<int>(bytes.size()), &error, nullptr);
    if (!stream) return false;
    const bool good = Decode(stream, out);
    stb_vorbis_close(stream);
    if (!good) out = {};
    return good;
}

}  // namespace quorrel
