#include "outputfile.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prg {

namespace detail {
DiskCalls disk{::fsync, ::close};
} // namespace detail

namespace {

constexpr qsizetype kBufferSize = 256 * 1024;

// The file a path finally names: a symbolic link is written through, so the
// file it points to is replaced and the link stays.
QString followLinks(const QString& path) {
    QString at = path;
    for (int depth = 0; depth < 40 && QFileInfo(at).isSymLink(); ++depth)
        at = QFileInfo(at).symLinkTarget();
    return QFileInfo(at).absoluteFilePath();
}

} // namespace

Status checkOutputFile(const QString& path, const QString& source) {
    // The finished file is renamed over the path: a FIFO or a device there
    // would be replaced by an ordinary file, so only a file is replaced.
    const QFileInfo given(path);
    if (!given.exists() || isExistingFile(path))
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(path);
    if (given.isDir())
        return errnoFailure(EISDIR, shown, source);
    return Failure{EINVAL, shown + QLatin1String(": not an ordinary file"), source};
}

OutputFile::OutputFile(QString path, QString source)
    : m_path(std::move(path)), m_source(std::move(source)), m_buffer(kBufferSize) {}

OutputFile::~OutputFile() {
    abandon();
}

void OutputFile::abandon() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

Failure OutputFile::failure(int error) const {
    return errnoFailure(error, QDir::toNativeSeparators(m_path), m_source);
}

Status OutputFile::open() {
    if (Status refused = checkOutputFile(m_path, m_source))
        return refused;
    const QString target = followLinks(m_path);
    const QFileInfo info(target);
    m_target = QFile::encodeName(target);
    m_folder = QFile::encodeName(info.absolutePath());
    // A hidden name beside the target, on the same disk, so that the rename
    // that replaces the target is one step.
    QByteArray name = m_folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0)
        return failure(errno);
    m_temporary = name;
    // The new file gets the old one's permissions, or those of a new file.
    struct stat old;
    mode_t mode;
    if (::stat(m_target.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0) {
        const int error = errno;
        abandon();
        return failure(error);
    }
    return std::nullopt;
}

Status OutputFile::writeAll(const char* data, qsizetype size) {
    qsizetype done = 0;
    while (done < size) {
        const ssize_t written = ::write(m_fd, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return failure(written < 0 ? errno : EIO);
        done += written;
    }
    return std::nullopt;
}

Status OutputFile::drain() {
    if (Status status = writeAll(m_buffer.data(), m_used))
        return status;
    m_used = 0;
    return std::nullopt;
}

Status OutputFile::writeThrough(const char* data, qsizetype size) {
    if (Status status = drain())
        return status;
    if (size < qsizetype(m_buffer.size())) {
        std::copy(data, data + size, m_buffer.data());
        m_used = size;
        return std::nullopt;
    }
    return writeAll(data, size);
}

Status OutputFile::commit() {
    // A failed commit leaves nothing behind, at once.
    Status status = replaceTarget();
    if (status)
        abandon();
    return status;
}

Status OutputFile::replaceTarget() {
    if (Status status = drain())
        return status;
    // The bytes must be on the disk before the file takes the target's
    // place, or a crash could leave an empty or partial file there.
    if (detail::disk.sync(m_fd) != 0)
        return failure(errno);
    const int fd = m_fd;
    m_fd = -1; // closed even when closing fails; never closed twice
    if (detail::disk.close(fd) != 0)
        return failure(errno);
    const int folder = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return failure(errno);
    if (::rename(m_temporary.constData(), m_target.constData()) != 0) {
        const int error = errno;
        ::close(folder);
        return failure(error);
    }
    m_temporary.clear();
    // The rename itself lives in the folder; it reaches the disk only when
    // the folder is synced. A file system that cannot sync a folder says so
    // with EINVAL; it has nothing more to write.
    int synced = detail::disk.sync(folder);
    const int error = errno;
    if (synced != 0 && (error == EINVAL || error == EOPNOTSUPP))
        synced = 0;
    if (detail::disk.close(folder) != 0 && synced == 0)
        return failure(errno);
    if (synced != 0)
        return failure(error);
    return std::nullopt;
}

} // namespace prg
