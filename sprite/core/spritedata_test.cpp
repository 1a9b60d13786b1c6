#include "sprite/core/spritedata.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using pixmoth::CapturedColours;
using pixmoth::Picture;
using pixmoth::SpriteChoices;
using pixmoth::SpriteNotation;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kCyan = 3;

QString lines(const QStringList& list) {
    return list.join(QStringLiteral("\r\n"));
}

QString spriteText(const CapturedColours& colours, const SpriteChoices& choices,
                   SpriteNotation notation) {
    return pixmoth::spriteText(pixmoth::encodeSprite(colours, choices), notation);
}

// The worked example: the first row is four White, four Red, four Black.
CapturedColours workedExample() {
    CapturedColours colours{};
    for (int p = 1; p <= 8; ++p)
        colours[std::size_t(p)] = quint8(p <= 4 ? kWhite : kRed);
    return colours;
}

TEST(SpriteData, ChoicesFromListKeys) {
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("col05"), 5},
        {QStringLiteral("col00"), 0},
        {QStringLiteral("col15"), 15},
        {QStringLiteral("col16"), 16},
        {QString(), 99},
        {QStringLiteral("colour"), 99},
    };
    for (const auto& [key, choice] : cases)
        EXPECT_EQ(pixmoth::choiceFromKey(key), choice) << key.toStdString();
}

TEST(SpriteData, WorkedExampleInHex) {
    const QString zeros = QStringLiteral(".byte $00,$00,$00,$00,$00,$00,$00,$00");
    const QString expected = lines({QStringLiteral(".byte $55,$FF,$00,$00,$00,$00,$00,$00"), zeros,
                                    zeros, zeros, zeros, zeros, zeros, zeros});
    const QString text =
        spriteText(workedExample(), {kWhite, kRed, pixmoth::kNoColour}, SpriteNotation::Hex);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 310);
}

TEST(SpriteData, WorkedExampleInBinary) {
    QStringList expected = {QStringLiteral(".byte %01010101,%11111111,%00000000")};
    for (int line = 2; line <= 21; ++line)
        expected << QStringLiteral(".byte %00000000,%00000000,%00000000");
    expected << QStringLiteral(".byte %00000000");
    const QString text =
        spriteText(workedExample(), {kWhite, kRed, pixmoth::kNoColour}, SpriteNotation::Binary);
    EXPECT_EQ(text, lines(expected));
    EXPECT_EQ(text.size(), 792);
}

TEST(SpriteData, ItemForms) {
    // 5 = 00 00 01 01 and 165 = 10 10 01 01 with White for $d025, Red for $d027-2e.
    CapturedColours colours{};
    const int firstPixels[] = {kBlack, kBlack, kWhite, kWhite, kRed, kRed, kWhite, kWhite};
    for (int k = 1; k <= 8; ++k)
        colours[std::size_t(k)] = quint8(firstPixels[k - 1]);
    const SpriteChoices choices{kWhite, pixmoth::kNoColour, kRed};
    EXPECT_TRUE(spriteText(colours, choices, SpriteNotation::Hex)
                    .startsWith(QStringLiteral(".byte $05,$A5,$00,")));
    EXPECT_TRUE(spriteText(colours, choices, SpriteNotation::Binary)
                    .startsWith(QStringLiteral(".byte %00000101,%10100101,%00000000\r\n")));
}

TEST(SpriteData, ShapeIsTheSameWhateverTheData) {
    QRandomGenerator random(11);
    for (int round = 0; round < 20; ++round) {
        CapturedColours colours{};
        for (int k = 1; k <= 252; ++k)
            colours[std::size_t(k)] = quint8(random.bounded(16));
        const SpriteChoices choices{int(random.bounded(17)), int(random.bounded(17)),
                                    int(random.bounded(17))};
        const QString hex = spriteText(colours, choices, SpriteNotation::Hex);
        const QString binary = spriteText(colours, choices, SpriteNotation::Binary);
        EXPECT_EQ(hex.size(), 310);
        EXPECT_EQ(binary.size(), 792);
        EXPECT_EQ(hex.count(QStringLiteral("\r\n")), 7);
        EXPECT_EQ(binary.count(QStringLiteral("\r\n")), 21);
        EXPECT_TRUE(hex.endsWith(QStringLiteral(",$00")));
        EXPECT_TRUE(binary.endsWith(QStringLiteral("\r\n.byte %00000000")));
        EXPECT_EQ(hex, hex.toUpper().replace(QStringLiteral(".BYTE"), QStringLiteral(".byte")));
    }
}

TEST(SpriteData, FirstListWinsWhenTwoHoldTheSameColour) {
    const struct {
        SpriteChoices choices;
        int white, red, cyan; // pairs of the three colours
    } cases[] = {
        {{kWhite, kRed, kCyan}, 0b01, 0b11, 0b10},
        {{kWhite, kWhite, kCyan}, 0b01, 0b00, 0b10},
        {{kRed, kWhite, kWhite}, 0b11, 0b01, 0b00},
        {{kWhite, kRed, kWhite}, 0b01, 0b11, 0b00},
        {{kWhite, kWhite, kWhite}, 0b01, 0b00, 0b00},
        {{16, 99, 16}, 0b00, 0b00, 0b00},
        {{99, 99, 99}, 0b00, 0b00, 0b00},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pixmoth::spritePair(kWhite, c.choices), c.white);
        EXPECT_EQ(pixmoth::spritePair(kRed, c.choices), c.red);
        EXPECT_EQ(pixmoth::spritePair(kCyan, c.choices), c.cyan);
        EXPECT_EQ(pixmoth::spritePair(kBlack, c.choices), 0);
    }
}

TEST(SpriteData, BytesHoldFourPixelsLeftmostHighest) {
    CapturedColours colours{};
    colours[pixmoth::capturedIndex(1, 21)] = kWhite; // row 21, byte 61 (1-based)
    colours[pixmoth::capturedIndex(12, 21)] = kRed;  // row 21, byte 63, bits 1-0
    const pixmoth::SpriteBytes bytes = pixmoth::encodeSprite(colours, {kWhite, kRed, 16});
    EXPECT_EQ(bytes[60], 0x40);
    EXPECT_EQ(bytes[62], 0x03);
    EXPECT_EQ(bytes[63], 0x00);
}

// Cells show White through pair 01, Red through 10 and Cyan through 11.
Picture threeColourPicture(quint32 seed) {
    QRandomGenerator random(seed);
    Picture p;
    for (std::size_t cell = 1; cell <= 1000; ++cell) {
        p.screenData[cell] = quint8(kWhite << 4 | kRed);
        p.colourData[cell] = quint8(kCyan);
    }
    for (std::size_t n = 1; n <= 8000; ++n)
        p.bitmapData[n] = quint8(random.bounded(256));
    return p;
}

TEST(Erase, ClearsTheChosenColoursOfTheAreaOnly) {
    for (const pixmoth::CaptureOrigin origin :
         {pixmoth::CaptureOrigin{0, 0}, pixmoth::CaptureOrigin{6, 7},
          pixmoth::CaptureOrigin{296, 179}}) {
        const Picture before = threeColourPicture(5);
        Picture picture = before;
        const pixmoth::Capture capture = pixmoth::captureArea(picture, origin);
        const auto result = pixmoth::GenerateSpriteData(picture, capture, {kWhite, 16, kCyan},
                                                        SpriteNotation::Hex, true);
        QList<QPoint> expectedErased;
        for (int y = 1; y <= 200; ++y)
            for (int x = 1; x <= 160; ++x) {
                const bool inside = x > origin.px / 2 && x <= origin.px / 2 + 12 && y > origin.py &&
                                    y <= origin.py + 21;
                const int was = pixmoth::pixelColour(before, x, y);
                const bool cleared = inside && (was == kWhite || was == kCyan);
                ASSERT_EQ(pixmoth::pixelColour(picture, x, y), cleared ? kBlack : was)
                    << x << "," << y;
                if (cleared) {
                    const pixmoth::BytePair at = pixmoth::locatePixel(x, y);
                    ASSERT_EQ((picture.bitmapData[std::size_t(at.byte)] >> (8 - 2 * at.pair)) & 3,
                              0);
                }
            }
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p) {
                const int was = pixmoth::pixelColour(before, origin.px / 2 + p, origin.py + r);
                if (was == kWhite || was == kCyan)
                    expectedErased << QPoint(origin.px / 2 + p, origin.py + r);
            }
        EXPECT_EQ(result.erasedPixels, expectedErased);
        // Bytes past the picture never change.
        for (std::size_t n = 8001; n < picture.bitmapData.size(); ++n)
            ASSERT_EQ(picture.bitmapData[n], before.bitmapData[n]);

        // Captured again, the area holds no chosen colour: the next press
        // with the same choices gives 64 zero bytes.
        const pixmoth::Capture again = pixmoth::captureArea(picture, origin);
        for (const auto& entry : again.listEntries) {
            EXPECT_NE(entry.colour, kWhite);
            EXPECT_NE(entry.colour, kCyan);
        }
        const auto second = pixmoth::GenerateSpriteData(picture, again, {kWhite, 16, kCyan},
                                                        SpriteNotation::Hex, true);
        EXPECT_EQ(second.text, pixmoth::spriteText(pixmoth::SpriteBytes{}, SpriteNotation::Hex));
        EXPECT_TRUE(second.erasedPixels.isEmpty());
    }
}

TEST(Erase, OffLeavesThePictureAlone) {
    const Picture before = threeColourPicture(8);
    Picture picture = before;
    const pixmoth::Capture capture = pixmoth::captureArea(picture, {24, 21});
    const auto result = pixmoth::GenerateSpriteData(picture, capture, {kWhite, kRed, kCyan},
                                                    SpriteNotation::Binary, false);
    EXPECT_TRUE(result.erasedPixels.isEmpty());
    EXPECT_EQ(picture, before);
    EXPECT_EQ(result.text.size(), 792);
}

TEST(Erase, PaintsErasedPixelsBlackInTheView) {
    for (int m : {1, 2}) {
        QImage view(320 * m, 200 * m, QImage::Format_RGB32);
        view.fill(qRgb(255, 255, 255));
        pixmoth::paintErasedPixels(view, {QPoint(1, 1), QPoint(160, 200)}, m);
        int black = 0;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                black += view.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        EXPECT_EQ(black, 2 * 2 * m * m);
        EXPECT_EQ(view.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(view.pixel(2 * m - 1, m - 1), qRgb(0, 0, 0));
        EXPECT_EQ(view.pixel(320 * m - 2 * m, 200 * m - m), qRgb(0, 0, 0));
        EXPECT_EQ(view.pixel(2 * m, 0), qRgb(255, 255, 255));
    }
}

} // namespace
