#include "prgtools/common/core/prginput.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prg {

namespace {

// Why a file with this mode is not read, as an errno value; 0 for an
// ordinary file.
int refusal(mode_t mode) {
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

Failure refusalFailure(int error, const QString& path, const QString& source) {
    const QString shown = QDir::toNativeSeparators(path);
    if (error == EINVAL)
        return {EINVAL, shown + QLatin1String(": not an ordinary file"), source};
    return errnoFailure(error, shown, source);
}

} // namespace

Status checkInputFile(const QString& path, const QString& source) {
    struct stat info;
    if (path.isEmpty())
        return errnoFailure(ENOENT, path, source);
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return refusalFailure(errno, path, source);
    if (const int error = refusal(info.st_mode))
        return refusalFailure(error, path, source);
    return std::nullopt;
}

PrgInput::PrgInput(QString path, QString source)
    : m_path(std::move(path)), m_source(std::move(source)) {}

PrgInput::~PrgInput() {
    if (m_fd >= 0)
        ::close(m_fd);
}

Failure PrgInput::failure(int error) const {
    return errnoFailure(error, QDir::toNativeSeparators(m_path), m_source);
}

Status PrgInput::open() {
    if (Status refused = checkInputFile(m_path, m_source))
        return refused;
    // Without waiting: a FIFO swapped in after the check would otherwise
    // block until a writer came along.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return failure(errno);
    struct stat info;
    if (::fstat(m_fd, &info) != 0)
        return failure(errno);
    if (const int error = refusal(info.st_mode))
        return refusalFailure(error, m_path, m_source);
    m_size = info.st_size;
    m_position = 0;
    return std::nullopt;
}

Status PrgInput::seek(qint64 offset) {
    if (::lseek(m_fd, off_t(offset), SEEK_SET) < 0)
        return failure(errno);
    m_position = offset;
    return std::nullopt;
}

Outcome<qint64> PrgInput::read(char* data, qint64 max) {
    // Bytes added behind the size found at the start are not read.
    const qint64 wanted = std::clamp<qint64>(m_size - m_position, 0, max);
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(m_fd, data + got, size_t(wanted - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(errno);
        if (n == 0) // the file ends before its size: it was cut meanwhile
            return Failure{EIO,
                           QDir::toNativeSeparators(m_path) +
                               QLatin1String(": The input file changed while it was read"),
                           m_source};
        got += n;
    }
    m_position += got;
    return got;
}

} // namespace prg
