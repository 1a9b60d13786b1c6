// Faults that the tests provoke in the file system, the same for any user,
// root included, and without mounting anything.
#pragma once

#include "prgtools/common/core/outputfile.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prg::test {

// While it lives, every file this process writes fails past `bytes` bytes
// with EFBIG, as a full disk fails a write in the middle of a file. The
// kernel enforces the limit for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        // The signal would end the process; the failed write is the test.
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};

// Makes `folder` read-only and tells whether that stops this process from
// creating a file in it; as root it does not, and the caller must use
// another unwritable place.
inline bool makeReadOnly(const QString& folder) {
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const QString probe = QDir(folder).filePath(QStringLiteral(".probe"));
    QFile file(probe);
    if (!file.open(QIODevice::WriteOnly))
        return true;
    file.close();
    QFile::remove(probe);
    return false;
}

// A place where no user can create a file: the kernel's process folder.
inline QString unwritablePlace() {
    return QStringLiteral("/proc/felgrove-output.bin");
}

// A disk that takes the bytes but fails to keep them: the n-th sync (counting
// from 1) fails with EIO, or at the n-th the file is closed underneath, so
// that the close that follows fails; the others do their work.
class FailingDisk {
public:
    FailingDisk(int failingSync, int failingClose) : m_saved(prg::detail::disk) {
        s_failingSync = failingSync;
        s_failingClose = failingClose;
        s_syncs = s_closes = 0;
        prg::detail::disk = {&sync, &close};
    }
    ~FailingDisk() { prg::detail::disk = m_saved; }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

private:
    static int sync(int fd) {
        ++s_syncs;
        if (s_syncs == s_failingSync) {
            errno = EIO;
            return -1;
        }
        // The file's handle goes away under its owner, whose own close of it
        // then fails as a close on a failing disk does.
        if (s_syncs == s_failingClose) {
            ::close(fd);
            return 0;
        }
        return ::fsync(fd);
    }
    static int close(int fd) { return ::close(fd); }
    prg::detail::DiskCalls m_saved;
    static inline int s_failingSync = 0;
    static inline int s_failingClose = 0;
    static inline int s_syncs = 0;
    static inline int s_closes = 0;
};

} // namespace prg::test
