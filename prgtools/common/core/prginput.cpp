#include "prgtools/common/core/prginput.h"

#include "platform/platform.h"

#include <QDir>

#include <algorithm>
#include <cerrno>

namespace prg {

namespace platform = felgrove::platform;

namespace {

// Why a file of this kind is not read, as an errno value; 0 for an
// ordinary file.
int refusal(platform::Kind kind) {
    if (kind == platform::Kind::File)
        return 0;
    return kind == platform::Kind::Folder ? EISDIR : EINVAL;
}

Failure refusalFailure(int error, const QString& path, const QString& source) {
    const QString shown = QDir::toNativeSeparators(path);
    if (error == EINVAL)
        return {EINVAL, shown + QLatin1String(": not an ordinary file"), source};
    return errnoFailure(error, shown, source);
}

} // namespace

DataSpan dataSpan(int loadAddress, qint64 start, qint64 end) {
    if (loadAddress == 0)
        return {};
    const qint64 first = std::max<qint64>(2, start - loadAddress + 2);
    return {first, std::max(first, end - loadAddress + 3)};
}

Status checkInputFile(const QString& path, const QString& source) {
    const platform::Found found = platform::inspect(path.toUtf8().constData());
    if (const int error = found.error != 0 ? found.error : refusal(found.kind))
        return refusalFailure(error, path, source);
    return std::nullopt;
}

PrgInput::PrgInput(QString path, QString source)
    : m_path(std::move(path)), m_source(std::move(source)) {}

PrgInput::~PrgInput() {
    if (m_fd != platform::kNoDescriptor)
        platform::close(m_fd);
}

Failure PrgInput::failure(int error) const {
    return errnoFailure(error, QDir::toNativeSeparators(m_path), m_source);
}

Status PrgInput::open() {
    // Opened again: the file read so far is let go first.
    if (m_fd != platform::kNoDescriptor) {
        platform::close(m_fd);
        m_fd = platform::kNoDescriptor;
    }
    m_size = 0;
    m_position = 0;
    if (Status refused = checkInputFile(m_path, m_source))
        return refused;
    // A FIFO or a device swapped in after the check is refused, not waited on.
    const platform::Opened opened = platform::openInput(m_path.toUtf8().constData());
    if (opened.error == EISDIR || opened.error == EINVAL)
        return refusalFailure(opened.error, m_path, m_source);
    if (opened.error != 0)
        return failure(opened.error);
    m_fd = opened.descriptor;
    m_size = opened.size;
    return std::nullopt;
}

Status PrgInput::seek(qint64 offset) {
    if (const int error = platform::seek(m_fd, offset))
        return failure(error);
    m_position = offset;
    return std::nullopt;
}

Outcome<qint64> PrgInput::read(char* data, qint64 max) {
    // Bytes added behind the size found at the start are not read.
    const qint64 wanted = std::clamp<qint64>(m_size - m_position, 0, max);
    qint64 got = 0;
    while (got < wanted) {
        std::int64_t n = 0;
        if (const int error = platform::read(m_fd, data + got, wanted - got, n))
            return failure(error);
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
