#include "spiro/figure_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "shell/app_folders.h"

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

std::string WriteTextFile(const std::string& path, const std::string& text) {
    std::string temp = TempName(path);
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Reason(errno, "the file could not be made");
    int error = WriteAllAndSync(fd, text);
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
