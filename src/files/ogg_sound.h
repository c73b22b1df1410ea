// Compressed recordings (Ogg Vorbis) read whole into 16-bit samples, with bounds on the file and
// on what it decodes to, so that a damaged or hostile file costs little.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorrel {

struct DecodedSound {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples;  // interleaved
    int LengthMs() const;
};

// False, with out empty, for a missing, foreign or damaged file, or one beyond the bounds
// (4 MiB of file, two channels, 8-48 kHz, ten seconds of sound).
bool DecodeOggFile(const std::string& path, DecodedSound& out);

}  // namespace quorrel
