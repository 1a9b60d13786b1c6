// Faults that the tests provoke in the file system, the same for any user,
// root included, and without mounting anything.
#pragma once

#include "platform/platform.h"
#include "platform/testing.h"
#include "prgtools/common/core/outputfile.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstdint>

namespace prg::test {

// While it lives, every file this process writes fails past a number of
// bytes with EFBIG, as a full disk fails a write in the middle of a file.
using felgrove::platform::testing::FileSizeLimit;
using FileBytes = std::uint64_t;
constexpr FileBytes kUnlimited = felgrove::platform::testing::kUnlimited;

inline bool makeFifo(const QString& path) {
    return felgrove::platform::testing::makeFifo(path.toUtf8().constData());
}

inline bool makeHardLink(const QString& existing, const QString& link) {
    return felgrove::platform::testing::makeHardLink(existing.toUtf8().constData(),
                                                     link.toUtf8().constData());
}

// Lets everyone, or no one but root, write to the file or into the folder.
inline void makeWritable(const QString& path, bool writable) {
    felgrove::platform::testing::makeWritable(path.toUtf8().constData(), writable);
}

// FIFOs, devices in the file system and a per-process limit on file size
// exist on POSIX only; the tests skip what cannot exist elsewhere.
#ifdef Q_OS_WIN
constexpr bool kPosix = false;
#else
constexpr bool kPosix = true;
#endif

// A place where no user can create a file: the kernel's process folder; on
// Windows a name that no file may have.
inline QString unwritablePlace() {
    return kPosix ? QStringLiteral("/proc/felgrove-output.bin")
                  : QStringLiteral("C:/felgrove<output>.bin");
}

// A device that reads without end on POSIX; the null device on Windows.
inline QString device() {
    return kPosix ? QStringLiteral("/dev/zero") : QStringLiteral("NUL");
}

// A disk that takes the bytes but fails to keep them: the n-th sync (counting
// from 1; the file's, then the folder's) fails with EIO, or at the n-th the
// file is closed underneath, so that the close that follows fails; the
// others do their work.
class FailingDisk {
public:
    FailingDisk(int failingSync, int failingClose) : m_saved(prg::detail::disk) {
        s_failingSync = failingSync;
        s_failingClose = failingClose;
        s_syncs = 0;
        prg::detail::disk = {&syncFile, &syncFolder, &felgrove::platform::close};
    }
    ~FailingDisk() { prg::detail::disk = m_saved; }
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

private:
    static int sync(int descriptor, int (*real)(int)) {
        ++s_syncs;
        if (s_syncs == s_failingSync)
            return EIO;
        // The file's handle goes away under its owner, whose own close of it
        // then fails as a close on a failing disk does.
        if (s_syncs == s_failingClose)
            return felgrove::platform::close(descriptor);
        return real(descriptor);
    }
    static int syncFile(int descriptor) { return sync(descriptor, felgrove::platform::syncFile); }
    static int syncFolder(int descriptor) {
        return sync(descriptor, felgrove::platform::syncFolder);
    }
    prg::detail::DiskCalls m_saved;
    static inline int s_failingSync = 0;
    static inline int s_failingClose = 0;
    static inline int s_syncs = 0;
};

} // namespace prg::test
