// File helpers both platforms share: where pictures lie, how long a wave file plays, and
// finding files whose names differ only in case.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <vector>

#include "files/bounded_file.h"
#include "files/ogg_length.h"
#include "window/platform.h"

namespace quorrel {

namespace {

uint32_t Le32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool IsFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Exactly size bytes at offset at, or false.
bool ReadAt(int fd, int64_t at, void* into, size_t size) {
    char* out = static_cast<char*>(into);
    while (size > 0) {
        ssize_t n = pread(fd, out, size, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        out += n, at += n, size -= static_cast<size_t>(n);
    }
    return true;
}

// The wave's length from an open regular file of file_size bytes.
int WaveLengthOf(int fd, int64_t file_size) {
    unsigned char header[12];
    if (file_size < 12 || !ReadAt(fd, 0, header, 12)) return 0;
    if (std::string(reinterpret_cast<char*>(header), 4) != "RIFF" ||
        std::string(reinterpret_cast<char*>(header) + 8, 4) != "WAVE")
        return 0;
    int64_t at = 12;
    uint32_t byte_rate = 0;
    for (int chunks = 0; chunks < 64; ++chunks) {
        unsigned char chunk[8];
        if (!ReadAt(fd, at, chunk, 8)) return 0;
        at += 8;
        std::string id(reinterpret_cast<char*>(chunk), 4);
        const int64_t size = Le32(chunk + 4);
        if (id == "data") {
            if (byte_rate == 0) return 0;
            int64_t bytes = std::min(size, file_size - at);
            return static_cast<int>(std::min<int64_t>((bytes * 1000 + byte_rate - 1) / byte_rate,
                                                      std::numeric_limits<int>::max()));
        }
        if (size > file_size - at) return 0;
        if (id == "fmt ") {
            if (size < 16 || size > 1024) return 0;
            std::vector<unsigned char> fmt(static_cast<size_t>(size));
            if (!ReadAt(fd, at, fmt.data(), fmt.size())) return 0;
            if (Le16(fmt.data()) != 1) return 0;  // PCM only
            byte_rate = Le32(fmt.data() + 8);
        }
        at += size + (size & 1);
    }
    return 0;
}

}  // namespace

int WaveLengthMs(const std::string& path) {
    // Every size is checked against the bytes really in the file, in 64 bits, so a header that
    // claims more than is there (or sizes near 4 GiB) can neither overflow nor promise a
    // sound longer than the file holds.
    int64_t size = 0;
    int fd = OpenRegularFile(path, size);
    if (fd < 0) return 0;
    int ms = WaveLengthOf(fd, size);
    close(fd);
    return ms;
}

int SoundLengthMs(const std::string& path) {
    if (int ms = WaveLengthMs(path)) return ms;
    return OggFileLengthMs(path);
}

std::string FindFileIgnoringCase(const std::string& base, const std::string& relative) {
    std::string exact = base + "/" + relative;
    if (IsFile(exact)) return exact;
    std::string path = base;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t slash = relative.find('/', start);
        std::string part =
            relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        start = slash == std::string::npos ? relative.size() + 1 : slash + 1;
        if (part.empty()) continue;
        DIR* dir = opendir(path.c_str());
        if (!dir) return "";
        std::string found;
        while (dirent* entry = readdir(dir)) {
            if (strcasecmp(entry->d_name, part.c_str()) == 0) {
                found = entry->d_name;
                if (found == part) break;
            }
        }
        closedir(dir);
        if (found.empty()) return "";
        path += "/" + found;
    }
    return IsFile(path) ? path : "";
}

}  // namespace quorrel
