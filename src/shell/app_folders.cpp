#include "shell/app_folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "files/bounded_file.h"
#include "shell/settings.h"

namespace quorrel {
namespace {

constexpr size_t kMaxSettingsBytes = 64 * 1024;

bool IsDirectory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// mkdir for one folder, accepting one that another process made at the same moment. "" when
// it stands, else the reason.
std::string MakeOneFolder(const std::string& path, unsigned mode) {
    if (IsDirectory(path)) return "";
    if (mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0) return "";
    int error = errno;
    if (error == EEXIST) return IsDirectory(path) ? "" : path + " is not a folder";
    return std::strerror(error);
}

std::string PasswordHome() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry;
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return "";
    return found->pw_dir;
}

}  // namespace

std::string LocalDataFolderBase() {
    // The password database is asked only when the environment does not answer.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string chosen = ChooseDataFolderBase(xdg, home, nullptr);
    if (!chosen.empty()) return chosen;
    std::string passwd_home = PasswordHome();
    return ChooseDataFolderBase(nullptr, nullptr, passwd_home.c_str());
}

std::string LocalConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string chosen = ChooseXdgFolder(xdg, home, nullptr, ".config");
    if (chosen.empty())
        chosen = ChooseXdgFolder(nullptr, nullptr, PasswordHome().c_str(), ".config");
    return chosen.empty() ? "" : chosen + "/quorrel";
}

std::string MakeFolders(const std::string& path, unsigned mode) {
    if (path.empty() || path[0] != '/') return "no folder to make";
    if (IsDirectory(path)) return "";
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string reason = MakeOneFolder(path.substr(0, slash), mode);
        if (!reason.empty()) return reason;
    }
    return MakeOneFolder(path, mode);
}

std::string MakeDataFolder(const std::string& base) {
    std::string trimmed = base;
    while (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
    // "" and "/" would put the folder at the file-system root; a relative base would follow
    // the working directory.
    if (trimmed.empty() || base[0] != '/') return "";
    if (!MakeFolders(trimmed, 0700).empty()) return "";
    std::string folder = trimmed + "/" + kMakerFolderName;
    return MakeOneFolder(folder, 0700).empty() ? folder : "";
}

bool ReadSmallTextFile(const std::string& path, std::string& text) {
    // One byte past the bound tells a file that is too big from one that just fits.
    std::string bytes;
    if (!ReadFileBounded(path, kMaxSettingsBytes + 1, bytes) || bytes.size() > kMaxSettingsBytes)
        return false;
    text = std::move(bytes);
    return true;
}

namespace {

// Opens path + ".new" and holds its write lock. Writers take turns on that one name, so an
// interrupted write leaves at most that file, and the next writer simply reuses it. A writer
// that waited may find the name moved on meanwhile (renamed into place or removed by the one
// before); its file is then no longer the temp file and it opens the name again. Whatever else
// holds the name (a symlink, a file left unwritable by a run as another user, a FIFO) is removed
// and the name opened afresh: left there, it would fail every later write.
int LockTempFile(const std::string& temp) {
    for (int tries = 0; tries < 100; ++tries) {
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            bool stale = errno == ELOOP || errno == EACCES || errno == EPERM || errno == ENXIO;
            if (errno == EINTR) continue;
            if (!stale || unlink(temp.c_str()) != 0) return -1;
            continue;
        }
        struct stat held, named;
        bool locked = flock(fd, LOCK_EX) == 0 && fstat(fd, &held) == 0;
        if (locked && !S_ISREG(held.st_mode)) unlink(temp.c_str());
        if (locked && S_ISREG(held.st_mode) && stat(temp.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return fd;
        close(fd);
    }
    return -1;
}

}  // namespace

int WriteAllAndSync(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<size_t>(n);
    }
    return fsync(fd) == 0 ? 0 : errno;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    std::string temp = path + ".new";
    int fd = LockTempFile(temp);
    if (fd < 0) return false;
    bool ok = ftruncate(fd, 0) == 0 && WriteAllAndSync(fd, text) == 0;
    // Renamed or removed while the lock is held, so no other writer ever writes into the
    // file that has become path.
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    close(fd);
    if (!ok) return false;
    // The rename itself is durable once the folder is synced; failing that is not a failure
    // of the write.
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : path.substr(0, slash);
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

}  // namespace quorrel
