#include "sprite/core/palette.h"
#include "sprite/ui/imagelist.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageList, SwatchesAndTheNoneCross) {
    for (int image = 1; image <= 16; ++image) {
        const QImage swatch = pixmoth::ImageListImage(image);
        ASSERT_EQ(swatch.size(), QSize(16, 16));
        for (const QPoint p : {QPoint(0, 0), QPoint(7, 9), QPoint(15, 15)})
            EXPECT_EQ(swatch.pixel(p), pixmoth::paletteQRgb(image - 1)) << image;
    }
    const QImage none = pixmoth::ImageListImage(17);
    ASSERT_EQ(none.size(), QSize(16, 16));
    const QRgb red = qRgb(232, 0, 0), white = qRgb(255, 255, 255);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(none.pixel(i, i), red) << i;
        EXPECT_EQ(none.pixel(15 - i, i), red) << i;
    }
    EXPECT_EQ(none.pixel(8, 0), white);
    EXPECT_EQ(none.pixel(0, 8), white);
    EXPECT_TRUE(pixmoth::ImageListImage(0).isNull());
    EXPECT_TRUE(pixmoth::ImageListImage(18).isNull());
}

} // namespace
