#include "sprite/ui/imagelist.h"

#include "sprite/core/palette.h"

namespace pixmoth {

QImage ImageListImage(int image) {
    if (image < 1 || image > kImageListSize)
        return {};
    QImage picture(kImageSide, kImageSide, QImage::Format_RGB32);
    if (image <= 16) {
        picture.fill(paletteQRgb(image - 1));
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
