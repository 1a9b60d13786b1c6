#include "sprite/core/spritedata.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <tuple>

namespace {

using pixmoth::CapturedColours;
using pixmoth::Picture;
using pixmoth::SpriteChoices;
using pixmoth::SpriteNotation;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kCyan = 3, kNone = pixmoth::kNoColour;
constexpr auto kHex = SpriteNotation::Hex, kBinary = SpriteNotation::Binary;

TEST(SpriteData, ChoicesFromListKeys) {
    const std::pair<QString, int> cases[] = {
        {"col05", 5}, {"col00", 0}, {"col15", 15}, {"col16", 16}, {QString(), 99}, {"colour", 99},
    };
    for (const auto& [key, choice] : cases)
        EXPECT_EQ(pixmoth::choiceFromKey(key), choice) << key.toStdString();
}

// One row's first pixels as colour digits (the rest of the area black): the
// text's opening and end, length (310 in hex, 792 in binary) and lines. The
// worked example is four White, four Red, four Black; 5 = 00 00 01 01 and
// 165 = 10 10 01 01; Cyan through $d026 is 11. The last row ends in byte 63,
// and byte 64 is padding.
TEST(SpriteData, TextOfTheEncodedArea) {
    const std::tuple<int, const char*, SpriteChoices, SpriteNotation, const char*, const char*>
        cases[] = {
            {1,
             "11112222",
             {kWhite, kRed, kNone},
             kHex,
             ".byte $55,$FF,$00,$00,$00,$00,$00,$00\r\n",
             ",$00"},
            {1,
             "11112222",
             {kWhite, kRed, kNone},
             kBinary,
             ".byte %01010101,%11111111,%00000000\r\n",
             "\r\n.byte %00000000"},
            {1, "00112211", {kWhite, kNone, kRed}, kHex, ".byte $05,$A5,$00,", ",$00"},
            {1,
             "00112211",
             {kWhite, kNone, kRed},
             kBinary,
             ".byte %00000101,%10100101,%00000000\r\n",
             "\r\n.byte %00000000"},
            {1, "000000003033", {kWhite, kCyan, kRed}, kHex, ".byte $00,$00,$CF,", ",$00"},
            {21, "100000000002", {kWhite, kRed, kNone}, kHex, ".byte $00,", "$40,$00,$03,$00"},
        };
    for (const auto& [row, pixels, choices, notation, opening, end] : cases) {
        CapturedColours colours{};
        for (int p = 0; pixels[p] != 0; ++p)
            colours[pixmoth::capturedIndex(p + 1, row)] = quint8(pixels[p] - '0');
        const QString text = pixmoth::spriteText(pixmoth::encodeSprite(colours, choices), notation);
        const bool isHex = notation == kHex;
        EXPECT_TRUE(text.startsWith(QLatin1String(opening))) << text.left(80).toStdString();
        EXPECT_TRUE(text.endsWith(QLatin1String(end))) << text.right(80).toStdString();
        EXPECT_EQ(text.size(), isHex ? 310 : 792);
        EXPECT_EQ(text.split(QStringLiteral("\r\n")).size(), isHex ? 8 : 22);
    }
}

TEST(SpriteData, FirstListWinsWhenTwoHoldTheSameColour) {
    const std::tuple<SpriteChoices, int, int, int> cases[] = {
        // the pairs of white, red, cyan
        {{kWhite, kRed, kCyan}, 0b01, 0b11, 0b10},    {{kWhite, kWhite, kCyan}, 0b01, 0b00, 0b10},
        {{kRed, kWhite, kWhite}, 0b11, 0b01, 0b00},   {{kWhite, kRed, kWhite}, 0b01, 0b11, 0b00},
        {{kWhite, kWhite, kWhite}, 0b01, 0b00, 0b00}, {{16, 99, 16}, 0b00, 0b00, 0b00},
    };
    for (const auto& [choices, white, red, cyan] : cases) {
        const auto pair = [&](int colour) { return pixmoth::spritePair(colour, choices); };
        EXPECT_EQ(QList<int>({pair(kWhite), pair(kRed), pair(kCyan), pair(kBlack)}),
                  QList<int>({white, red, cyan, 0}));
    }
}

// With erasing on, the chosen colours' pixels of the area turn black and
// nothing else changes; captured again, the area gives 64 zero bytes. With
// erasing off the picture stays as it was. Every cell shows White through
// pair 01, Red through 10 and Cyan through 11, so black is pair 00 alone.
TEST(Erase, ClearsTheChosenColoursOfTheAreaOnly) {
    const std::pair<pixmoth::CaptureOrigin, bool> cases[] = {
        {{0, 0}, true}, {{6, 7}, true}, {{296, 179}, true}, {{24, 21}, false}};
    const SpriteChoices choices{kWhite, 16, kCyan};
    Picture before;
    before.screenData.fill(quint8(kWhite << 4 | kRed));
    before.colourData.fill(quint8(kCyan));
    QRandomGenerator random(5);
    for (std::size_t n = 1; n <= 8000; ++n)
        before.bitmapData[n] = quint8(random.bounded(256));
    for (const auto& [origin, erase] : cases) {
        const auto [px, py] = origin;
        SCOPED_TRACE(testing::Message() << px << "," << py);
        Picture picture = before;
        const auto generate = [&] {
            return pixmoth::GenerateSpriteData(picture, pixmoth::captureArea(picture, origin),
                                               choices, kHex, erase);
        };
        QList<QPoint> expected;
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p) {
                const int was = pixmoth::pixelColour(before, px / 2 + p, py + r);
                if (erase && (was == kWhite || was == kCyan))
                    expected << QPoint(px / 2 + p, py + r);
            }
        EXPECT_EQ(generate().erasedPixels, expected);
        for (int y = 1; y <= 200; ++y)
            for (int x = 1; x <= 160; ++x)
                ASSERT_EQ(pixmoth::pixelColour(picture, x, y),
                          expected.contains(QPoint(x, y)) ? kBlack
                                                          : pixmoth::pixelColour(before, x, y))
                    << x << "," << y;
        const auto second = generate();
        EXPECT_EQ(second.text == pixmoth::spriteText(pixmoth::SpriteBytes{}, kHex), erase);
        EXPECT_TRUE(second.erasedPixels.isEmpty());
    }
}

} // namespace
