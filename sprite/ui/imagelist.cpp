#include "sprite/ui/imagelist.h"

#include "sprite/core/palette.h"

namespace pixmoth {

QImage ImageListImage(int image, QRgb frame) {
    if (image < 1 || image > kImageListSize)
        return {};
    QImage picture(kImageSide, kImageSide, QImage::Format_RGB32);
    if (image <= 16) {
        picture.fill(frame);
        const QRgb colour = paletteQRgb(image - 1);
        for (int y = 1; y < kImageSide - 1; ++y)
            for (int x = 1; x < kImageSide - 1; ++x)
                picture.setPixel(x, y, colour);
        return picture;
    }
    picture.fill(qRgb(255, 255, 255));
    for (int i = 0; i < kImageSide; ++i) {
        picture.setPixel(i, i, kCrossRed);
        picture.setPixel(kImageSide - 1 - i, i, kCrossRed);
    }
    return picture;
}

} // namespace pixmoth
