#include "sprite/core/spritedata.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

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
    const struct {
        int row;
        const char* pixels;
        SpriteChoices choices;
        SpriteNotation notation;
        const char *opening, *end;
    } cases[] = {
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
    for (const auto& c : cases) {
        CapturedColours colours{};
        for (int p = 0; c.pixels[p] != 0; ++p)
            colours[pixmoth::capturedIndex(p + 1, c.row)] = quint8(c.pixels[p] - '0');
        const QString text =
            pixmoth::spriteText(pixmoth::encodeSprite(colours, c.choices), c.notation);
        const bool isHex = c.notation == kHex;
        EXPECT_TRUE(text.startsWith(QLatin1String(c.opening))) << text.left(80).toStdString();
        EXPECT_TRUE(text.endsWith(QLatin1String(c.end))) << text.right(80).toStdString();
        EXPECT_EQ(text.size(), isHex ? 310 : 792);
        EXPECT_EQ(text.split(QStringLiteral("\r\n")).size(), isHex ? 8 : 22);
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
        const auto pair = [&](int colour) { return pixmoth::spritePair(colour, c.choices); };
        EXPECT_EQ(QList<int>({pair(kWhite), pair(kRed), pair(kCyan), pair(kBlack)}),
                  QList<int>({c.white, c.red, c.cyan, 0}));
    }
}

// With erasing on, the chosen colours' pixels of the area turn black and
// nothing else changes; captured again, the area gives 64 zero bytes. With
// erasing off the picture stays as it was. Every cell shows White through
// pair 01, Red through 10 and Cyan through 11, so black is pair 00 alone.
TEST(Erase, ClearsTheChosenColoursOfTheAreaOnly) {
    const struct {
        pixmoth::CaptureOrigin origin;
        bool erase;
    } cases[] = {{{0, 0}, true}, {{6, 7}, true}, {{296, 179}, true}, {{24, 21}, false}};
    const SpriteChoices choices{kWhite, 16, kCyan};
    Picture before;
    before.screenData.fill(quint8(kWhite << 4 | kRed));
    before.colourData.fill(quint8(kCyan));
    QRandomGenerator random(5);
    for (std::size_t n = 1; n <= 8000; ++n)
        before.bitmapData[n] = quint8(random.bounded(256));
    for (const auto& c : cases) {
        const auto [px, py] = c.origin;
        SCOPED_TRACE(testing::Message() << px << "," << py);
        Picture picture = before;
        const auto generate = [&] {
            return pixmoth::GenerateSpriteData(picture, pixmoth::captureArea(picture, c.origin),
                                               choices, kHex, c.erase);
        };
        QList<QPoint> expected;
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p) {
                const int was = pixmoth::pixelColour(before, px / 2 + p, py + r);
                if (c.erase && (was == kWhite || was == kCyan))
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
        EXPECT_EQ(second.text == pixmoth::spriteText(pixmoth::SpriteBytes{}, kHex), c.erase);
        EXPECT_TRUE(second.erasedPixels.isEmpty());
    }
}

} // namespace
