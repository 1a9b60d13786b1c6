#include "picture.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

LoadResult loadPictureBytes(const QByteArray& bytes, Picture& picture) {
    if (!isPictureSize(bytes.size()))
        return {LoadStatus::WrongSize, {}};
    place(bytes, picture);
    return {};
}

LoadResult LoadBitmapFile(const QString& path, Picture& picture) {
    if (QFileInfo(path).isDir())
        return {LoadStatus::Unreadable, QStringLiteral("It is a folder, not a file.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {LoadStatus::Unreadable, file.errorString()};
    // The size decides before anything is read: a file of any other length,
    // however large, is refused without reading it.
    if (!isPictureSize(file.size()))
        return {LoadStatus::WrongSize, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {LoadStatus::Unreadable, file.errorString()};
    if (bytes.size() != file.size())
        return {LoadStatus::Unreadable, QStringLiteral("The file changed while it was read.")};
    return loadPictureBytes(bytes, picture);
}

} // namespace pixmoth
