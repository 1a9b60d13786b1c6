// Picture loading and decoding over arbitrary bytes: the raw input as a file
// of any size, and the input stretched to each accepted picture size.
#include "decode.h"
#include "picture.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray stretched(const uint8_t* data, size_t size, qint64 length) {
    QByteArray bytes(length, '\0');
    for (qint64 i = 0; i < length && size > 0; ++i)
        bytes[i] = char(data[size_t(i) % size]);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pixmoth::Picture picture;
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    const pixmoth::LoadResult rawResult = pixmoth::loadPictureBytes(raw, picture);
    const bool pictureSize =
        qint64(size) == pixmoth::kShortPictureSize || qint64(size) == pixmoth::kLongPictureSize;
    if ((rawResult.status == pixmoth::LoadStatus::Loaded) != pictureSize)
        std::abort();

    const qint64 length =
        (size > 0 && (data[0] & 1)) ? pixmoth::kLongPictureSize : pixmoth::kShortPictureSize;
    if (pixmoth::loadPictureBytes(stretched(data, size, length), picture).status !=
        pixmoth::LoadStatus::Loaded)
        std::abort();
    for (int m : {1, 2}) {
        const QImage image = pixmoth::renderPicture(picture, m);
        if (image.size() != QSize(320 * m, 200 * m))
            std::abort();
    }
    // The bytes past the picture (the tail of a long file) decode safely too.
    for (int n = pixmoth::kPictureBitmapBytes + 1; n < int(picture.bitmapData.size()); ++n)
        for (int pair = 1; pair <= 4; ++pair)
            if (unsigned(pixmoth::pairColour(picture, n, pair)) > 15)
                std::abort();
    return 0;
}
