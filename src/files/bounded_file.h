// Reading a small file whole, without the stream library: its locale set-up costs more memory
// at start-up than every file the game reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorrel {

// The first max_bytes bytes of a regular file (all of it when shorter) into bytes. False, with
// bytes empty, when the path is missing, unreadable or not a regular file; a FIFO or device is
// refused without waiting on it.
bool ReadFileBounded(const std::string& path, size_t max_bytes, std::string& bytes);

// Opens a regular file for reading: its descriptor, and its size as it stands, or -1 when the
// path is missing, unreadable or not a regular file (a FIFO or device, refused without waiting
// on it).
int OpenRegularFile(const std::string& path, int64_t& size);

// Opens a regular file for appending, creating it (mode 0600) when it is missing: its
// descriptor, or -1 when the path holds anything else (a FIFO or device, refused without
// waiting on it).
int OpenRegularFileToAppend(const std::string& path);

}  // namespace quorrel
