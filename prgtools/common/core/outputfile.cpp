#include "outputfile.h"

#include "paths.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace prg {

namespace {
constexpr qsizetype kBufferSize = 256 * 1024;
}

OutputFile::OutputFile(QString path, QString source)
    : m_path(std::move(path)), m_source(std::move(source)), m_file(m_path), m_buffer(kBufferSize) {}

OutputFile::~OutputFile() {
    // Not committed: QSaveFile removes its temporary file.
    if (m_file.isOpen())
        m_file.cancelWriting();
}

Failure OutputFile::failure(int savedErrno) const {
    return fileFailure(m_file, m_path, savedErrno, m_source);
}

Status OutputFile::open() {
    // The finished file is renamed over the path: a FIFO or a device there
    // would be replaced by an ordinary file, so only a file is replaced.
    const QFileInfo target(m_path);
    if (target.exists() && !isExistingFile(m_path)) {
        if (target.isDir())
            return errnoFailure(EISDIR, QDir::toNativeSeparators(m_path), m_source);
        return Failure{EINVAL,
                       QDir::toNativeSeparators(m_path) + QLatin1String(": not an ordinary file"),
                       m_source};
    }
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(errno);
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
    if (Status status = drain())
        return status;
    // QSaveFile::commit() can miss a failed final flush, so flush first.
    errno = 0;
    if (!m_file.flush())
        return failure(errno);
    errno = 0;
    if (!m_file.commit())
        return failure(errno);
    return std::nullopt;
}

} // namespace prg
