// Picture loading and decoding over arbitrary bytes: the raw input as a file
// of any size, and the input stretched to each accepted picture size; then a
// capture and a sprite generation with erase at a box position and colour
// choices taken from the input, in range or not.
#include "sprite/core/capture.h"
#include "sprite/core/decode.h"
#include "sprite/core/picture.h"
#include "sprite/core/spritedata.h"
#include "sprite/core/viewstate.h"

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
    const pixmoth::LoadResult rawResult = pixmoth::readPictureBytes(raw, picture);
    const bool pictureSize =
        qint64(size) == pixmoth::kShortPictureSize || qint64(size) == pixmoth::kLongPictureSize;
    if ((rawResult.status == pixmoth::LoadStatus::Loaded) != pictureSize)
        std::abort();

    const qint64 length =
        (size > 0 && (data[0] & 1)) ? pixmoth::kLongPictureSize : pixmoth::kShortPictureSize;
    if (pixmoth::readPictureBytes(stretched(data, size, length), picture).status !=
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
    if (size >= 8) {
        pixmoth::ViewState box;
        box.Magnification = 1 + (data[1] & 1);
        box.CaptureX = qint16(data[2] | (data[3] << 8));
        box.CaptureY = qint16(data[4] | (data[5] << 8));
        const pixmoth::CaptureOrigin origin = box.origin();
        const pixmoth::Capture capture = pixmoth::captureArea(picture, origin);
        const pixmoth::SpriteChoices choices{data[6] % 20, data[7] % 20, data[0] % 100};
        for (auto notation : {pixmoth::SpriteNotation::Hex, pixmoth::SpriteNotation::Binary}) {
            pixmoth::Picture copy = picture;
            const pixmoth::GeneratedSprite sprite =
                pixmoth::GenerateSpriteData(copy, capture, choices, notation, true);
            const int length = notation == pixmoth::SpriteNotation::Hex ? 310 : 792;
            if (sprite.text.size() != length)
                std::abort();
            // After the erase the only chosen colour left in the area is the
            // black that cleared pixels show.
            const pixmoth::Capture again = pixmoth::captureArea(copy, origin);
            for (int k = 1; k <= pixmoth::kCapturedPixels; ++k) {
                const int colour = again.colours[std::size_t(k)];
                if (colour != 0 && pixmoth::spritePair(colour, choices) != 0)
                    std::abort();
            }
        }
    }
    return 0;
}
