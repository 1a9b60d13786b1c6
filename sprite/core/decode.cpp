#include "sprite/core/decode.h"

#include "sprite/core/palette.h"

namespace pixmoth {

int GetColour(const Picture& picture, int whatColour, int iDataByte) {
    if (whatColour < 1 || whatColour > 3)
        return 0;
    const int cell = cellOfByte(iDataByte);
    // Bytes past the picture (the tail of a 10241-byte file) have no cell.
    if (cell < 0 || cell > 1024)
        return 0;
    switch (whatColour) {
    case 1:
        return picture.screenData[std::size_t(cell)] >> 4;
    case 2:
        return picture.screenData[std::size_t(cell)] & 15;
    default:
        return picture.colourData[std::size_t(cell)] & 15;
    }
}

QImage renderPicture(const Picture& picture, int magnification) {
    const int m = magnification < 1 ? 1 : magnification;
    QImage image(320 * m, 200 * m, QImage::Format_RGB32);
    for (int y = 1; y <= 200; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine((y - 1) * m));
        for (int x = 1; x <= 160; ++x) {
            const QRgb colour = paletteQRgb(pixelColour(picture, x, y));
            QRgb* box = row + (x - 1) * 2 * m;
            for (int i = 0; i < 2 * m; ++i)
                box[i] = colour;
        }
        // The other M - 1 screen rows of this pixel row are copies.
        for (int copy = 1; copy < m; ++copy)
            std::copy(row, row + 320 * m,
                      reinterpret_cast<QRgb*>(image.scanLine((y - 1) * m + copy)));
    }
    return image;
}

} // namespace pixmoth
