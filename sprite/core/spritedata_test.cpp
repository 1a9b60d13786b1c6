#include "sprite/core/spritedata.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using pixmoth::CapturedColours;
using pixmoth::Picture;
using pixmoth::SpriteChoices;
using pixmoth::SpriteNotation;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kCyan = 3, kNone = pixmoth::kNoColour;

TEST(SpriteData, ChoicesFromListKeys) {
    const std::pair<QString, int> cases[] = {
        {"col05", 5}, {"col00", 0}, {"col15", 15}, {"col16", 16}, {QString(), 99}, {"colour", 99},
    };
    for (const auto& [key, choice] : cases)
        EXPECT_EQ(pixmoth::choiceFromKey(key), choice) << key.toStdString();
}

// The first row's first 12 pixels as colour digits (the rest of the area
// black): the text's opening, length (310 in hex, 792 in binary) and lines.
// The worked example is four White, four Red, four Black; 5 = 00 00 01 01
// and 165 = 10 10 01 01; Cyan through $d026 is 11.
TEST(SpriteData, TextOfTheEncodedArea) {
    constexpr auto hex = SpriteNotation::Hex, binary = SpriteNotation::Binary;
    const struct {
        const char* pixels;
        SpriteChoices choices;
        SpriteNotation notation;
        const char* opening;
    } cases[] = {
        {"11112222", {kWhite, kRed, kNone}, hex, ".byte $55,$FF,$00,$00,$00,$00,$00,$00\r\n"},
        {"11112222", {kWhite, kRed, kNone}, binary, ".byte %01010101,%11111111,%00000000\r\n"},
        {"00112211", {kWhite, kNone, kRed}, hex, ".byte $05,$A5,$00,"},
        {"00112211", {kWhite, kNone, kRed}, binary, ".byte %00000101,%10100101,%00000000\r\n"},
        {"000000003033", {kWhite, kCyan, kRed}, hex, ".byte $00,$00,$CF,"},
    };
    for (const auto& c : cases) {
        CapturedColours colours{};
        for (int p = 0; c.pixels[p] != 0; ++p)
            colours[std::size_t(p + 1)] = quint8(c.pixels[p] - '0');
        const QString text =
            pixmoth::spriteText(pixmoth::encodeSprite(colours, c.choices), c.notation);
        const bool isHex = c.notation == hex;
        EXPECT_TRUE(text.startsWith(QLatin1String(c.opening))) << text.left(80).toStdString();
        EXPECT_EQ(text.size(), isHex ? 310 : 792);
        EXPECT_EQ(text.split(QStringLiteral("\r\n")).size(), isHex ? 8 : 22);
        EXPECT_TRUE(
            text.endsWith(isHex ? QStringLiteral(",$00") : QStringLiteral("\r\n.byte %00000000")));
    }
}

TEST(SpriteData, FirstListWinsWhenTwoHoldTheSameColour) {
    const struct {
        SpriteChoices choices;
        int white, red, cyan; // pairs of the three colours
    } cases[] = {
        {{kWhite, kRed, kCyan}, 0b01, 0b11, 0b10},    {{kWhite, kWhite, kCyan}, 0b01, 0b00, 0b10},
        {{kRed, kWhite, kWhite}, 0b11, 0b01, 0b00},   {{kWhite, kRed, kWhite}, 0b01, 0b11, 0b00},
        {{kWhite, kWhite, kWhite}, 0b01, 0b00, 0b00}, {{16, 99, 16}, 0b00, 0b00, 0b00},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pixmoth::spritePair(kWhite, c.choices), c.white);
        EXPECT_EQ(pixmoth::spritePair(kRed, c.choices), c.red);
        EXPECT_EQ(pixmoth::spritePair(kCyan, c.choices), c.cyan);
        EXPECT_EQ(pixmoth::spritePair(kBlack, c.choices), 0);
    }
}

TEST(SpriteData, LastRowEndsInByte63ThenPadding) {
    CapturedColours colours{};
    colours[pixmoth::capturedIndex(1, 21)] = kWhite;
    colours[pixmoth::capturedIndex(12, 21)] = kRed;
    const pixmoth::SpriteBytes bytes = pixmoth::encodeSprite(colours, {kWhite, kRed, 16});
    EXPECT_EQ(bytes[60], 0x40);
    EXPECT_EQ(bytes[62], 0x03);
    EXPECT_EQ(bytes[63], 0x00);
}

// Cells show White through pair 01, Red through 10 and Cyan through 11.
Picture threeColourPicture() {
    QRandomGenerator random(5);
    Picture p;
    for (std::size_t cell = 1; cell <= 1000; ++cell) {
        p.screenData[cell] = quint8(kWhite << 4 | kRed);
        p.colourData[cell] = quint8(kCyan);
    }
    for (std::size_t n = 1; n <= 8000; ++n)
        p.bitmapData[n] = quint8(random.bounded(256));
    return p;
}

// With erasing on, the chosen colours' pixels of the area turn black and
// nothing else changes; captured again, the area gives 64 zero bytes. With
// erasing off the picture stays as it was.
TEST(Erase, ClearsTheChosenColoursOfTheAreaOnly) {
    const struct {
        pixmoth::CaptureOrigin origin;
        bool erase;
    } cases[] = {{{0, 0}, true}, {{6, 7}, true}, {{296, 179}, true}, {{24, 21}, false}};
    const SpriteChoices choices{kWhite, 16, kCyan};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.origin.px << "," << c.origin.py);
        const Picture before = threeColourPicture();
        Picture picture = before;
        const auto result =
            pixmoth::GenerateSpriteData(picture, pixmoth::captureArea(picture, c.origin), choices,
                                        SpriteNotation::Hex, c.erase);
        QList<QPoint> expected;
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p) {
                const int was = pixmoth::pixelColour(before, c.origin.px / 2 + p, c.origin.py + r);
                if (c.erase && (was == kWhite || was == kCyan))
                    expected << QPoint(c.origin.px / 2 + p, c.origin.py + r);
            }
        EXPECT_EQ(result.erasedPixels, expected);
        // Every cell's three colours are non-zero: black is bit pair 00.
        for (int y = 1; y <= 200; ++y)
            for (int x = 1; x <= 160; ++x)
                ASSERT_EQ(pixmoth::pixelColour(picture, x, y),
                          expected.contains(QPoint(x, y)) ? kBlack
                                                          : pixmoth::pixelColour(before, x, y))
                    << x << "," << y;
        for (std::size_t n = 8001; n < picture.bitmapData.size(); ++n)
            ASSERT_EQ(picture.bitmapData[n], before.bitmapData[n]);
        if (c.erase) {
            const auto second =
                pixmoth::GenerateSpriteData(picture, pixmoth::captureArea(picture, c.origin),
                                            choices, SpriteNotation::Hex, true);
            EXPECT_EQ(second.text,
                      pixmoth::spriteText(pixmoth::SpriteBytes{}, SpriteNotation::Hex));
            EXPECT_TRUE(second.erasedPixels.isEmpty());
        }
    }
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
        EXPECT_EQ(view.pixel(2 * m - 1, m - 1), qRgb(0, 0, 0));
        EXPECT_EQ(view.pixel(320 * m - 2 * m, 200 * m - m), qRgb(0, 0, 0));
    }
}

} // namespace
