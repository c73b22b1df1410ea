#include "files/ogg_sound.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

constexpr size_t kMaxFileBytes = 4 << 20;
constexpr long kMinRate = 8000, kMaxRate = 48000;
constexpr size_t kMaxSamples = 10 * kMaxRate * 2;

// The file's bytes, read from memory as the decoder asks for them.
struct Source {
    const std::string& bytes;
    size_t at = 0;
};

size_t ReadSource(void* out, size_t size, size_t count, void* from) {
    Source& source = *static_cast<Source*>(from);
    const size_t n = std::min(size * count, source.bytes.size() - source.at);
    std::memcpy(out, source.bytes.data() + source.at, n);
    source.at += n;
    return size ? n / size : 0;
}

// Decodes an opened stream while it stays one stream within the bounds; false when it does not.
bool Decode(OggVorbis_File& file, DecodedSound& out) {
    const vorbis_info* info = ov_info(&file, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate < kMinRate ||
        info->rate > kMaxRate)
        return false;
    out.channels = info->channels;
    out.rate = static_cast<int>(info->rate);
    int16_t chunk[4096];
    const int big_endian = std::endian::native == std::endian::big;
    for (;;) {
        int section = 0;
        const long got = ov_read(&file, reinterpret_cast<char*>(chunk), sizeof chunk, big_endian, 2,
                                 1, &section);
        if (got == 0) break;
        // A damaged page, a second stream chained on, or more than the bounds allow.
        const size_t count = got > 0 ? static_cast<size_t>(got) / 2 : 0;
        if (got < 0 || section != 0 || out.samples.size() + count > kMaxSamples) return false;
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
    Source source{bytes};
    // Without seeking the decoder reads the file once, front to back.
    const ov_callbacks callbacks{ReadSource, nullptr, nullptr, nullptr};
    OggVorbis_File file;
    if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return false;
    const bool good = Decode(file, out);
    ov_clear(&file);
    if (!good) out = {};
    return good;
}

}  // namespace quorrel
