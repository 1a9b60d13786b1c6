#include "prgtools/common/core/outputfile.h"

#include "platform/platform.h"
#include "prgtools/common/core/paths.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace prg {

namespace platform = felgrove::platform;

namespace detail {
DiskCalls disk{platform::syncFile, platform::syncFolder, platform::close};
} // namespace detail

namespace {

constexpr qsizetype kBufferSize = 256 * 1024;

// The folder that receives the finished file: a symbolic link is written
// through, so the file it points to is replaced and the link stays.
QString finalFolder(const QString& path) {
    QString at = path;
    for (int depth = 0; depth < 40 && QFileInfo(at).isSymLink(); ++depth)
        at = QFileInfo(at).symLinkTarget();
    return QFileInfo(at).absolutePath();
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
    : m_path(std::move(path)), m_source(std::move(source)), m_file(m_path), m_buffer(kBufferSize) {}

OutputFile::~OutputFile() {
    // Not committed: QSaveFile removes its temporary file.
    if (m_file.isOpen())
        m_file.cancelWriting();
    if (m_folder != platform::kNoDescriptor)
        platform::close(m_folder);
}

Failure OutputFile::failure(int error) const {
    return fileFailure(m_file, m_path, error, m_source);
}

Status OutputFile::open() {
    if (Status refused = checkOutputFile(m_path, m_source))
        return refused;
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(errno);
    // The folder is opened together with the file, as QSaveFile has just
    // found it: a link changed before the commit cannot send the folder
    // sync elsewhere. A folder that cannot be opened stops the work before
    // anything is written, while an old file is still there.
    const platform::Opened folder = platform::openFolder(finalFolder(m_path).toUtf8().constData());
    if (folder.error != 0) {
        m_file.cancelWriting();
        return errnoFailure(folder.error, QDir::toNativeSeparators(m_path), m_source);
    }
    m_folder = folder.descriptor;
    return std::nullopt;
}

Status OutputFile::drain() {
    qsizetype done = 0;
    while (done < m_used) {
        errno = 0;
        const qint64 written = m_file.write(m_buffer.data() + done, m_used - done);
        if (written <= 0)
            return failure(errno);
        done += written;
    }
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
    errno = 0;
    if (m_file.write(data, size) != size)
        return failure(errno);
    return std::nullopt;
}

Status OutputFile::commit() {
    Status status = replaceTarget();
    // A failed commit leaves nothing behind, at once.
    if (status && m_file.isOpen())
        m_file.cancelWriting();
    return status;
}

Status OutputFile::replaceTarget() {
    if (Status status = drain())
        return status;
    errno = 0;
    if (!m_file.flush())
        return failure(errno);
    // QSaveFile syncs the file itself but does not look at the result: the
    // bytes must be on the disk before the file takes the target's place,
    // or a crash could leave an empty or partial file there.
    if (const int error = detail::disk.syncFile(m_file.handle()))
        return errnoFailure(error, QDir::toNativeSeparators(m_path), m_source);
    errno = 0;
    if (!m_file.commit()) {
        // A rename that fails says why; a close that fails leaves QSaveFile
        // without a reason of its own.
        if (m_file.error() == QFileDevice::UnspecifiedError)
            return Failure{EIO,
                           QDir::toNativeSeparators(m_path) +
                               QLatin1String(": The file could not be closed"),
                           m_source};
        return failure(errno);
    }
    // The rename lives in the folder and reaches the disk only when the
    // folder is synced. The new file is in place by now, whole: a failure
    // here says only that its name may not be on the disk yet.
    const int synced = detail::disk.syncFolder(m_folder);
    const int closed = detail::disk.close(m_folder);
    m_folder = platform::kNoDescriptor;
    if (const int error = synced != 0 ? synced : closed)
        return Failure{error,
                       QDir::toNativeSeparators(m_path) +
                           QLatin1String(": The file was written, but the system could not "
                                         "confirm that its name is on the disk (") +
                           QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char(')'),
                       m_source};
    return std::nullopt;
}

} // namespace prg
