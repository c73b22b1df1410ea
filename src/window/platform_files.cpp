// File helpers both platforms share: where pictures lie, how long a wave file plays, and
// finding files whose names differ only in case.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "window/platform.h"

namespace quorrel {

std::string PictureFile(Picture picture) {
    static const char* const files[] = {
        "",          "panel.png", "board.png", "title.png", "op0.png", "op1.png", "op2.png",
        "op3.png",   "op4.png",   "op5.png",   "op6.png",   "op7.png", "tile.png", "icon.png",
    };
    size_t i = static_cast<size_t>(picture);
    if (i == 0 || i >= static_cast<size_t>(Picture::Count)) return "";
    return std::string("pictures/") + files[i];
}

namespace {

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool IsFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

int WaveLengthMs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    unsigned char header[12];
    if (!in.read(reinterpret_cast<char*>(header), 12)) return 0;
    if (std::string(reinterpret_cast<char*>(header), 4) != "RIFF" ||
        std::string(reinterpret_cast<char*>(header) + 8, 4) != "WAVE")
        return 0;
    uint32_t byte_rate = 0;
    for (int chunks = 0; chunks < 64; ++chunks) {
        unsigned char chunk[8];
        if (!in.read(reinterpret_cast<char*>(chunk), 8)) return 0;
        std::string id(reinterpret_cast<char*>(chunk), 4);
        uint32_t size = Le32(chunk + 4);
        if (id == "fmt ") {
            if (size < 16 || size > 1024) return 0;
            std::vector<unsigned char> fmt(size);
            if (!in.read(reinterpret_cast<char*>(fmt.data()), size)) return 0;
            if (Le16(fmt.data()) != 1) return 0;  // PCM only
            byte_rate = Le32(fmt.data() + 8);
        } else if (id == "data") {
            if (byte_rate == 0) return 0;
            return static_cast<int>((static_cast<uint64_t>(size) * 1000 + byte_rate - 1) / byte_rate);
        } else {
            in.seekg(size + (size & 1), std::ios::cur);
        }
        if (size & 1 && id == "fmt ") in.seekg(1, std::ios::cur);
    }
    return 0;
}

std::string FindFileIgnoringCase(const std::string& base, const std::string& relative) {
    std::string exact = base + "/" + relative;
    if (IsFile(exact)) return exact;
    std::string path = base;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t slash = relative.find('/', start);
        std::string part = relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
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
