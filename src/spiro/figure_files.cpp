#include "spiro/figure_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorrel {
namespace {

std::string Reason(int error, const char* otherwise) {
    return error != 0 ? std::strerror(error) : otherwise;
}

std::string TempName(const std::string& path) { return path + ".part"; }

}  // namespace

std::string FigureName(int order, int angle, int left_turns, const CivilTime& t) {
    char name[128];
    std::snprintf(name, sizeof name, "spiro-order%d-angle%d-turns%d-%04d-%02d-%02d-%02d%02d%02d",
                  order, angle, left_turns, t.year, t.month, t.day, t.hour, t.minute, t.second);
    return name;
}

std::string MakeFolders(const std::string& path) {
    if (path.empty() || path[0] != '/') return "no folder to save in";
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        struct stat st;
        if (stat(part.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) return part + " is not a folder";
        } else if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            return Reason(errno, "the folder could not be made");
        }
        if (slash == std::string::npos) return "";
    }
}

std::string WriteTextFile(const std::string& path, const std::string& text) {
    std::string temp = TempName(path);
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Reason(errno, "the file could not be made");
    size_t done = 0;
    int error = 0;
    while (done < text.size() && error == 0) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EINTR)
            error = errno;
        else if (n == 0)
            error = EIO;
    }
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) unlink(temp.c_str());
    return error != 0 ? Reason(error, "") : "";
}

std::string WriteFigureFiles(const std::string& folder, const std::string& base, const Image& image,
                             const std::string& svg, const PngWriter& write_png) {
    std::string png = folder + "/" + base + ".png";
    std::string temp = TempName(png);
    errno = 0;
    if (!write_png || !write_png(image, temp) || rename(temp.c_str(), png.c_str()) != 0) {
        std::string reason = Reason(errno, "the picture could not be written");
        unlink(temp.c_str());
        return reason;
    }
    std::string error = WriteTextFile(folder + "/" + base + ".svg", svg);
    if (!error.empty()) unlink(png.c_str());  // half a save would look like a whole one
    return error;
}

}  // namespace quorrel
