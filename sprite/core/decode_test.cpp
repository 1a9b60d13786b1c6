#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "testsupport/picture_test_util.h"

#include <gtest/gtest.h>

namespace {

using pixmoth::Picture;
using pixmoth::test::randomPicture;

// The screen colours, and black for anything beyond the 16 (the "[none]"
// entry and out-of-range numbers).
TEST(Palette, ScreenColours) {
    const std::pair<int, QRgb> cases[] = {{1, qRgb(255, 255, 255)},
                                          {2, qRgb(137, 64, 54)},
                                          {14, qRgb(124, 112, 218)},
                                          {16, qRgb(0, 0, 0)},
                                          {-1, qRgb(0, 0, 0)}};
    for (const auto& [colour, rgb] : cases)
        EXPECT_EQ(pixmoth::paletteQRgb(colour), rgb) << colour;
}

// Pair 00 is black, 01 the screen byte's high nibble, 10 its low one and 11
// the colour byte's low nibble (the worked example's top-left cell: 0x1b
// gives the pairs 00, 01, 10, 11); pairs other than 1..3 and bytes past the
// last cell give black. Pixel (x, y) lies in pair (x - 1) % 4 + 1 of its
// cell row's byte.
TEST(Decode, ColoursAndPlacesOfThePixels) {
    Picture p;
    p.bitmapData[1] = 0x1b;
    p.screenData[1] = 0x2f;
    p.colourData[1] = 0x35; // the high nibble is not used
    for (std::size_t cell = 2; cell <= 1000; ++cell)
        p.screenData[cell] = quint8(cell % 16); // pair 10 shows the cell number
    const struct { int x, y, colour; } pixels[] = {{1, 1, 0}, {2, 1, 2}, {3, 1, 15}, {4, 1, 5}};
    for (const auto& c : pixels)
        EXPECT_EQ(pixmoth::pixelColour(p, c.x, c.y), c.colour) << c.x;
    const struct {
        int pair, byte, colour;
    } bytes[] = {{2, 9, 2}, {2, 320, 8}, {2, 321, 9}, {2, 8000, 8},
                 {0, 9, 0}, {4, 9, 0},   {-1, 9, 0},  {1, 8241, 0}};
    for (const auto& c : bytes)
        EXPECT_EQ(pixmoth::GetColour(p, c.pair, c.byte), c.colour) << c.pair << " " << c.byte;
    const struct {
        int x, y, byte, pair;
    } places[] = {{4, 1, 1, 4},   {5, 1, 9, 1},        {1, 2, 2, 1},
                  {1, 9, 321, 1}, {160, 200, 8000, 4}, {13, 22, 2 * 320 + 3 * 8 + 6, 1}};
    for (const auto& c : places) {
        const pixmoth::BytePair at = pixmoth::locatePixel(c.x, c.y);
        EXPECT_EQ(QPoint(at.byte, at.pair), QPoint(c.byte, c.pair)) << c.x << "," << c.y;
    }
}

// Every screen pixel of the drawn picture is the colour of its multicolour
// pixel (a 2M x M block) at both magnifications.
TEST(Render, EveryPixelFollowsTheDecodingRule) {
    const Picture p = randomPicture(42);
    for (int m : {1, 2}) {
        const QImage image = pixmoth::renderPicture(p, m);
        ASSERT_EQ(image.size(), QSize(320 * m, 200 * m));
        for (int sy = 0; sy < image.height(); ++sy)
            for (int sx = 0; sx < image.width(); ++sx)
                ASSERT_EQ(image.pixel(sx, sy), pixmoth::paletteQRgb(pixmoth::pixelColour(
                                                   p, sx / (2 * m) + 1, sy / m + 1)))
                    << "m=" << m << " at " << sx << "," << sy;
    }
}

} // namespace
