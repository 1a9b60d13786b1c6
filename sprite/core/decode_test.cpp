#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "testsupport/bitstrings.h"
#include "testsupport/picture_test_util.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using pixmoth::Picture;

using pixmoth::test::randomPicture;

TEST(Palette, NamesAndScreenColours) {
    EXPECT_EQ(pixmoth::ColourNames()[0], QLatin1String("Black"));
    EXPECT_EQ(pixmoth::ColourNames()[11], QLatin1String("D Grey"));
    EXPECT_EQ(pixmoth::ColourNames()[16], QLatin1String("[none]"));
    EXPECT_EQ(pixmoth::PaletteRgb(1), 0xffffff);
    EXPECT_EQ(pixmoth::PaletteRgb(2), 137 + 256 * 64 + 65536 * 54);
    EXPECT_EQ(pixmoth::PaletteRgb(16), 0);
    EXPECT_EQ(pixmoth::PaletteRgb(-1), 0);
    EXPECT_EQ(pixmoth::paletteQRgb(14), qRgb(124, 112, 218));
}

TEST(Decode, TopLeftCellOfTheWorkedExample) {
    Picture p;
    p.bitmapData[1] = 0x1b; // pairs 00, 01, 10, 11
    p.screenData[1] = 0x2f;
    p.colourData[1] = 0x35; // the high nibble is not used
    const QString bits = pixmoth::DecToBin(p.bitmapData[1]);
    const int expected[] = {0, 2, 15, 5};
    for (int pair = 1; pair <= 4; ++pair) {
        EXPECT_EQ(pixmoth::AnalyzeBits(p, bits, pair, 1), expected[pair - 1]) << pair;
        EXPECT_EQ(pixmoth::pixelColour(p, pair, 1), expected[pair - 1]) << pair;
    }
    EXPECT_EQ(pixmoth::AnalyzeBits(p, bits, 0, 1), 0);
    EXPECT_EQ(pixmoth::AnalyzeBits(p, bits, 5, 1), 0);

    const QImage image = pixmoth::renderPicture(p, 1);
    const QRgb row0[] = {qRgb(0, 0, 0), qRgb(137, 64, 54), qRgb(171, 171, 171), qRgb(104, 169, 65)};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(image.pixel(x, 0), row0[x / 2]) << x;
}

TEST(Decode, CellOfEachByte) {
    Picture p;
    for (std::size_t cell = 1; cell <= 1000; ++cell)
        p.screenData[cell] = quint8(cell % 16); // pair 10 shows the cell number
    const std::pair<int, int> cases[] = {{1, 1},    {8, 1},    {9, 2},
                                         {320, 40}, {321, 41}, {8000, 1000}};
    for (const auto& [byte, cell] : cases)
        EXPECT_EQ(pixmoth::GetColour(p, 2, byte), cell % 16) << byte;
    EXPECT_EQ(pixmoth::GetColour(p, 0, 9), 0);
    EXPECT_EQ(pixmoth::GetColour(p, 4, 9), 0);
    EXPECT_EQ(pixmoth::GetColour(p, -1, 9), 0);
    EXPECT_EQ(pixmoth::GetColour(p, 1, 8241), 0); // past the last cell
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
        EXPECT_EQ(at.byte, c.byte) << c.x << "," << c.y;
        EXPECT_EQ(at.pair, c.pair) << c.x << "," << c.y;
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

// Every screen pixel of the drawn picture is the colour the decoding rule
// gives its multicolour pixel, at both magnifications.
TEST(Render, EveryPixelFollowsTheDecodingRule) {
    const Picture p = randomPicture(42);
    for (int m : {1, 2}) {
        const QImage image = pixmoth::renderPicture(p, m);
        ASSERT_EQ(image.size(), QSize(320 * m, 200 * m));
        for (int sy = 0; sy < image.height(); ++sy) {
            for (int sx = 0; sx < image.width(); ++sx) {
                const int x = sx / (2 * m) + 1;
                const int y = sy / m + 1;
                const pixmoth::BytePair at = pixmoth::locatePixel(x, y);
                const QString bits = pixmoth::DecToBin(p.bitmapData[std::size_t(at.byte)]);
                const int colour = pixmoth::AnalyzeBits(p, bits, at.pair, at.byte);
                ASSERT_EQ(image.pixel(sx, sy), pixmoth::paletteQRgb(colour))
                    << "m=" << m << " at " << sx << "," << sy;
            }
        }
    }
}

} // namespace
