#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "testsupport/bitstrings.h"
#include "testsupport/picture_test_util.h"

#include <QRandomGenerator>
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
    EXPECT_EQ(pixmoth::PaletteRgb(2), 137 + 256 * 64 + 65536 * 54); // red in the low byte
}

TEST(Decode, TopLeftCellOfTheWorkedExample) {
    Picture p;
    p.bitmapData[1] = 0x1b; // pairs 00, 01, 10, 11
    p.screenData[1] = 0x2f;
    p.colourData[1] = 0x35; // the high nibble is not used
    const int expected[] = {0, 2, 15, 5};
    for (int pair = 1; pair <= 4; ++pair)
        EXPECT_EQ(pixmoth::pixelColour(p, pair, 1), expected[pair - 1]) << pair;
    const QImage image = pixmoth::renderPicture(p, 1);
    const QRgb row0[] = {qRgb(0, 0, 0), qRgb(137, 64, 54), qRgb(171, 171, 171), qRgb(104, 169, 65)};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(image.pixel(x, 0), row0[x / 2]) << x;
}

TEST(Decode, CellOfEachByte) {
    Picture p;
    for (std::size_t cell = 1; cell <= 1000; ++cell)
        p.screenData[cell] = quint8(cell % 16); // pair 10 shows the cell number
    // Pairs other than 1..3, and bytes past the last cell, give black.
    const struct {
        int pair, byte, colour;
    } cases[] = {{2, 1, 1},    {2, 8, 1}, {2, 9, 2}, {2, 320, 8}, {2, 321, 9},
                 {2, 8000, 8}, {0, 9, 0}, {4, 9, 0}, {-1, 9, 0},  {1, 8241, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(pixmoth::GetColour(p, c.pair, c.byte), c.colour) << c.pair << " " << c.byte;
}

TEST(Decode, PixelPlaces) {
    const struct {
        int x, y, byte, pair;
    } cases[] = {{1, 1, 1, 1},
                 {4, 1, 1, 4},
                 {5, 1, 9, 1},
                 {1, 2, 2, 1},
                 {1, 9, 321, 1},
                 {160, 200, 8000, 4},
                 {13, 22, 2 * 320 + 3 * 8 + 6, 1}};
    for (const auto& c : cases) {
        const pixmoth::BytePair at = pixmoth::locatePixel(c.x, c.y);
        EXPECT_EQ(QPoint(at.byte, at.pair), QPoint(c.byte, c.pair)) << c.x << "," << c.y;
    }
}

// The bit arithmetic agrees with the string-based reference for every byte
// and pair of random pictures.
TEST(Decode, FastPathMatchesTheReference) {
    for (quint32 seed : {1u, 2u, 3u}) {
        const Picture p = randomPicture(seed);
        for (int n = 1; n <= 8241; ++n) {
            const QString bits = pixmoth::DecToBin(p.bitmapData[std::size_t(n)]);
            for (int pair = 1; pair <= 4; ++pair)
                ASSERT_EQ(pixmoth::pairColour(p, n, pair), pixmoth::AnalyzeBits(p, bits, pair, n))
                    << n << " " << pair;
        }
    }
}

// Every screen pixel of the drawn picture is the colour of its multicolour
// pixel (a 2M x M block), at both magnifications.
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
