#include "sprite/core/palette.h"
#include "sprite/ui/imagelist.h"

#include <gtest/gtest.h>

namespace {

// Every swatch shows its exact palette colour inside a one-pixel frame in the
// list's text colour, on a light list (black text) and a dark one; the 17th
// is a red cross on white, and there are no others.
TEST(ImageList, FramedSwatchesAndTheNoneCross) {
    for (const QRgb text : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(40, 200, 90)}) {
        for (int image = 1; image <= 16; ++image) {
            const QImage swatch = pixmoth::ImageListImage(image, text);
            ASSERT_EQ(swatch.size(), QSize(16, 16));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    ASSERT_EQ(swatch.pixel(x, y),
                              x % 15 == 0 || y % 15 == 0 ? text : pixmoth::paletteQRgb(image - 1))
                        << image << " at " << x << "," << y;
        }
        const QImage none = pixmoth::ImageListImage(17, text);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(QPair(none.pixel(i, i), none.pixel(15 - i, i)),
                      QPair(pixmoth::kCrossRed, pixmoth::kCrossRed));
        EXPECT_EQ(QPair(none.pixel(8, 0), none.pixel(0, 8)), QPair(0xffffffffu, 0xffffffffu));
        EXPECT_TRUE(pixmoth::ImageListImage(0, text).isNull() &&
                    pixmoth::ImageListImage(18, text).isNull());
    }
}

} // namespace
