#include "files/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorrel {

namespace {

// O_NONBLOCK: opening a FIFO must not wait for the other end; it is refused by fstat next.
int OpenRegular(const std::string& path, int flags, int64_t& size) {
    int fd;
    do {
        fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    size = st.st_size;
    return fd;
}

}  // namespace

int OpenRegularFile(const std::string& path, int64_t& size) {
    return OpenRegular(path, O_RDONLY, size);
}

int OpenRegularFileToAppend(const std::string& path) {
    int64_t size = 0;
    return OpenRegular(path, O_WRONLY | O_APPEND | O_CREAT, size);
}

bool ReadFileBounded(const std::string& path, size_t max_bytes, std::string& bytes) {
    bytes.clear();
    int64_t size = 0;
    int fd = OpenRegularFile(path, size);
    if (fd < 0) return false;
    // The size is only a hint (the file may change while it is read): one byte past it lets
    // the end show without growing the buffer, which grows only while the file holds more.
    size_t hint = static_cast<size_t>(std::max<int64_t>(size, 0));
    bytes.resize(hint < max_bytes ? hint + 1 : max_bytes);
    size_t got = 0;
    bool ok = true;
    while (got < max_bytes) {
        if (got == bytes.size()) bytes.resize(std::min(max_bytes, got + 4096));
        ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(ok ? got : 0);
    close(fd);
    return ok;
}

}  // namespace quorrel
