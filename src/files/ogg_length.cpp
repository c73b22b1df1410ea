#include "files/ogg_length.h"

#include <cstdint>

#include "files/bounded_file.h"

namespace quorrel {
namespace {

constexpr size_t kPageHeader = 27;
constexpr size_t kMaxFileBytes = 4u << 20;  // as the decoder's bound
constexpr uint64_t kNoPosition = ~uint64_t{0};
constexpr char kBeginsStream = 0x02;  // the page flag of a stream's first page

uint64_t Little(std::string_view bytes, size_t at, int count) {
    uint64_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return v;
}

}  // namespace

int OggLengthMs(std::string_view bytes) {
    uint64_t rate = 0, last = kNoPosition, serial = 0;
    for (size_t at = 0; bytes.size() - at >= kPageHeader && bytes.substr(at, 4) == "OggS";) {
        const size_t segments = static_cast<unsigned char>(bytes[at + 26]);
        if (bytes.size() - at - kPageHeader < segments) break;
        size_t body = 0;
        for (size_t s = 0; s < segments; ++s)
            body += static_cast<unsigned char>(bytes[at + kPageHeader + s]);
        const size_t start = at + kPageHeader + segments;
        if (bytes.size() - start < body) break;  // a page cut short: the pages before it count
        const uint64_t page_serial = Little(bytes, at + 14, 4);
        if (at == 0) {
            // The first packet names the stream: 1, "vorbis", version, channels, rate.
            if (body < 16 || bytes.substr(start, 7) != "\x01vorbis") return 0;
            rate = Little(bytes, start + 12, 4);
            serial = page_serial;
            if (rate < 1000 || rate > 200000) return 0;
        } else if (page_serial != serial || (bytes[at + 5] & kBeginsStream)) {
            return 0;  // a second stream, chained or beside it: not one recording
        }
        const uint64_t position = Little(bytes, at + 6, 8);
        if (position != kNoPosition) last = position;
        at = start + body;
    }
    // Past the decoder's ten seconds a recording is refused, as the decoder refuses it.
    if (rate == 0 || last == kNoPosition || last > 10 * rate) return 0;
    return static_cast<int>((last * 1000 + rate - 1) / rate);
}

int OggFileLengthMs(const std::string& path) {
    std::string bytes;
    if (!ReadFileBounded(path, kMaxFileBytes + 1, bytes) || bytes.size() > kMaxFileBytes) return 0;
    return OggLengthMs(bytes);
}

}  // namespace quorrel
