// How long an Ogg Vorbis recording plays, read from its pages alone: the last granule
// position of its one stream over its sample rate. No decoder is needed, so every platform
// times a recording the same way.
#pragma once

#include <string>
#include <string_view>

namespace quorrel {

// Milliseconds, rounded up; 0 for bytes that are not one Vorbis stream, that end before a page
// with a position, or that would play longer than ten seconds.
int OggLengthMs(std::string_view bytes);
int OggFileLengthMs(const std::string& path);

}  // namespace quorrel
