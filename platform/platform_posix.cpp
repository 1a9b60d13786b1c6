// Linux and macOS.
#include "platform/platform.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace felgrove::platform {

namespace {

Kind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return Kind::File;
    return S_ISDIR(mode) ? Kind::Folder : Kind::Other;
}

int refusal(Kind kind) {
    switch (kind) {
    case Kind::File:
        return 0;
    case Kind::Folder:
        return EISDIR;
    case Kind::Other:
        break;
    }
    return EINVAL;
}

} // namespace

Found inspect(const char* path) {
    struct stat info;
    if (*path == '\0')
        return {ENOENT};
    if (::stat(path, &info) != 0)
        return {errno};
    return {0, kindOf(info.st_mode), std::int64_t(info.st_size)};
}

Opened openInput(const char* path) {
    if (*path == '\0')
        return {ENOENT};
    // Without waiting: a FIFO would otherwise block until a writer came along.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno};
    struct stat info;
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else
        error = refusal(kindOf(info.st_mode));
    if (error != 0) {
        ::close(fd);
        return {error};
    }
    return {0, fd, std::int64_t(info.st_size)};
}

int read(Descriptor file, char* data, std::int64_t max, std::int64_t& got) {
    for (;;) {
        const ssize_t n = ::read(file, data, size_t(max));
        if (n >= 0) {
            got = n;
            return 0;
        }
        if (errno != EINTR)
            return errno;
    }
}

int seek(Descriptor file, std::int64_t offset) {
    return ::lseek(file, off_t(offset), SEEK_SET) < 0 ? errno : 0;
}

int close(Descriptor file) {
    return ::close(file) != 0 ? errno : 0;
}

bool sameFile(const char* a, const char* b) {
    struct stat first;
    struct stat second;
    if (*a == '\0' || *b == '\0' || ::stat(a, &first) != 0 || ::stat(b, &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

int syncFile(Descriptor file) {
#ifdef F_FULLFSYNC
    if (::fcntl(file, F_FULLFSYNC) == 0)
        return 0;
    if (errno != ENOTSUP && errno != EINVAL && errno != ENOTTY)
        return errno;
#endif
    return ::fsync(file) != 0 ? errno : 0;
}

Opened openFolder(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {errno};
    return {0, fd, 0};
}

int syncFolder(Descriptor folder) {
    if (::fsync(folder) == 0 || errno == EINVAL || errno == EOPNOTSUPP)
        return 0;
    return errno;
}

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace felgrove::platform
