#include "sprite/core/picture.h"

#include "platform/platform.h"

#include <cerrno>
#include <cstring>

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

LoadResult refuseUnlessFile(felgrove::platform::Kind kind) {
    if (kind == felgrove::platform::Kind::Folder)
        return {LoadStatus::Unreadable, QStringLiteral("It is a folder, not a file.")};
    if (kind != felgrove::platform::Kind::File)
        return {LoadStatus::Unreadable, QStringLiteral("It is not an ordinary file.")};
    return {};
}

// Exactly `size` bytes from the start of an open file, or why not.
LoadResult readExactly(felgrove::platform::Descriptor file, QByteArray& bytes) {
    for (qint64 got = 0; got < bytes.size();) {
        std::int64_t n = 0;
        if (const int error =
                felgrove::platform::read(file, bytes.data() + got, bytes.size() - got, n))
            return {LoadStatus::Unreadable, systemReason(error)};
        if (n == 0) // the file ends before its size: it was cut meanwhile
            return {LoadStatus::Unreadable, QStringLiteral("The file changed while it was read.")};
        got += n;
    }
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
    namespace platform = felgrove::platform;
    // Only an ordinary file is opened: opening a FIFO waits for a writer, and
    // a device may never end.
    const QByteArray name = path.toUtf8();
    const platform::Found found = platform::inspect(name.constData());
    if (found.error != 0)
        return {LoadStatus::Unreadable, systemReason(found.error)};
    if (const LoadResult refused = refuseUnlessFile(found.kind);
        refused.status != LoadStatus::Loaded)
        return refused;
    // Without waiting, and checked again once open, for a file that was
    // swapped for a FIFO after the check.
    const platform::Opened opened = platform::openInput(name.constData());
    if (opened.error == EISDIR)
        return refuseUnlessFile(platform::Kind::Folder);
    if (opened.error == EINVAL)
        return refuseUnlessFile(platform::Kind::Other);
    if (opened.error != 0)
        return {LoadStatus::Unreadable, systemReason(opened.error)};
    // The size decides before anything is read: a file of any other length,
    // however large, is refused without reading it, and of a file that grows
    // meanwhile only the bytes of that size are read.
    LoadResult result{LoadStatus::WrongSize, {}};
    if (isPictureSize(opened.size)) {
        QByteArray bytes(opened.size, Qt::Uninitialized);
        result = readExactly(opened.descriptor, bytes);
        if (result.status == LoadStatus::Loaded)
            result = readPictureBytes(bytes, picture);
    }
    platform::close(opened.descriptor);
    return result;
}

} // namespace pixmoth
