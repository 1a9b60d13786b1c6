#include "sprite/core/picture.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixmoth {

namespace {

bool isPictureSize(qint64 size) {
    return size == kShortPictureSize || size == kLongPictureSize;
}

void place(const QByteArray& bytes, Picture& picture) {
    picture.colourData.fill(255);
    picture.screenData.fill(255);
    picture.bitmapData.fill(255);
    picture.colourData[0] = picture.screenData[0] = picture.bitmapData[0] = 0;
    const auto* data = reinterpret_cast<const quint8*>(bytes.constData());
    // Offsets 0 and 1 are the load address, which a picture ignores.
    std::copy(data + 2, data + 1026, picture.colourData.begin() + 1);
    std::copy(data + 1026, data + 2050, picture.screenData.begin() + 1);
    std::copy(data + 2050, data + bytes.size(), picture.bitmapData.begin() + 1);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

LoadResult refuseUnlessFile(mode_t mode) {
    if (S_ISDIR(mode))
        return {LoadStatus::Unreadable, QStringLiteral("It is a folder, not a file.")};
    if (!S_ISREG(mode))
        return {LoadStatus::Unreadable, QStringLiteral("It is not an ordinary file.")};
    return {};
}

} // namespace

LoadResult readPictureBytes(const QByteArray& bytes, Picture& picture) {
    if (!isPictureSize(bytes.size()))
        return {LoadStatus::WrongSize, {}};
    place(bytes, picture);
    return {};
}

LoadResult readPictureFile(const QString& path, Picture& picture) {
    // Only an ordinary file is opened: opening a FIFO waits for a writer, and
    // a device may never end.
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (path.isEmpty() || ::stat(name.constData(), &info) != 0)
        return {LoadStatus::Unreadable, systemReason(path.isEmpty() ? ENOENT : errno)};
    if (const LoadResult refused = refuseUnlessFile(info.st_mode);
        refused.status != LoadStatus::Loaded)
        return refused;
    // Without waiting, and checked again once open, for a file that was
    // swapped for a FIFO after the check.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {LoadStatus::Unreadable, systemReason(errno)};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {LoadStatus::Unreadable, file.errorString()};
    }
    if (::fstat(fd, &info) != 0)
        return {LoadStatus::Unreadable, systemReason(errno)};
    if (const LoadResult refused = refuseUnlessFile(info.st_mode);
        refused.status != LoadStatus::Loaded)
        return refused;
    // The size decides before anything is read: a file of any other length,
    // however large, is refused without reading it.
    if (!isPictureSize(file.size()))
        return {LoadStatus::WrongSize, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {LoadStatus::Unreadable, file.errorString()};
    if (bytes.size() != file.size())
        return {LoadStatus::Unreadable, QStringLiteral("The file changed while it was read.")};
    return readPictureBytes(bytes, picture);
}

} // namespace pixmoth
