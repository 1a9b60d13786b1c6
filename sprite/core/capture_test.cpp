#include "sprite/core/capture.h"
#include "sprite/core/palette.h"
#include "testsupport/picture_test_util.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using pixmoth::BytePair;
using pixmoth::CaptureOrigin;
using pixmoth::Picture;

using pixmoth::test::randomPicture;

// A picture whose every multicolour pixel shows palette colour `colour`
// through pair 10 (screen RAM low nibble).
Picture plainPicture(int colour) {
    Picture p;
    for (std::size_t cell = 1; cell <= 1000; ++cell)
        p.screenData[cell] = quint8(colour);
    for (std::size_t n = 1; n <= 8000; ++n)
        p.bitmapData[n] = 0xAA;
    return p;
}

// Counts the captured pixels whose place differs from the place the pixel
// rule gives for multicolour pixel (px / 2 + p, py + r).
int wrongPlaces(CaptureOrigin origin) {
    const pixmoth::CapturePlaces places = pixmoth::captureWalk(origin);
    int wrong = 0;
    for (int r = 1; r <= 21; ++r)
        for (int p = 1; p <= 12; ++p) {
            const BytePair got = places[std::size_t(pixmoth::capturedIndex(p, r))];
            const BytePair want = pixmoth::locatePixel(origin.px / 2 + p, origin.py + r);
            wrong += (got.byte != want.byte || got.pair != want.pair) ? 1 : 0;
        }
    return wrong;
}

TEST(CaptureWalk, MatchesThePixelRuleAtEveryPosition) {
    // Every position the box can take: even columns 0..296, rows 0..179.
    for (int py = 0; py <= pixmoth::kMaxCaptureTop; ++py)
        for (int px = 0; px <= pixmoth::kMaxCaptureLeft; px += 2)
            ASSERT_EQ(wrongPlaces({px, py}), 0) << px << "," << py;
}

TEST(CaptureWalk, NamedPlaces) {
    const struct {
        CaptureOrigin origin;
        int p, r;
        BytePair place;
    } cases[] = {
        {{0, 0}, 1, 1, {1, 1}},          {{0, 0}, 1, 8, {8, 1}},
        {{0, 0}, 1, 9, {321, 1}},        {{0, 0}, 12, 1, {17, 4}},
        {{6, 0}, 1, 1, {1, 4}},          {{6, 0}, 2, 1, {9, 1}},
        {{6, 0}, 6, 1, {17, 1}},         {{6, 0}, 12, 1, {25, 3}},
        {{0, 7}, 1, 1, {8, 1}},          {{0, 7}, 1, 2, {321, 1}},
        {{296, 179}, 12, 21, {8000, 4}}, {{296, 179}, 1, 1, {22 * 320 + 37 * 8 + 4, 1}},
    };
    for (const auto& c : cases) {
        const BytePair got =
            pixmoth::captureWalk(c.origin)[std::size_t(pixmoth::capturedIndex(c.p, c.r))];
        EXPECT_EQ(got.byte, c.place.byte) << c.origin.px << "," << c.origin.py << " " << c.p;
        EXPECT_EQ(got.pair, c.place.pair) << c.origin.px << "," << c.origin.py << " " << c.p;
    }
}

TEST(CaptureOrigin, DividesRoundsAndKeepsInside) {
    const struct {
        int x, y, m;
        CaptureOrigin origin;
    } cases[] = {
        {0, 0, 1, {0, 0}},
        {24, 21, 1, {24, 21}},
        {48, 42, 2, {24, 21}},
        {10, 5, 2, {4, 2}},
        {14, 7, 2, {6, 4}},
        {12, 3, 2, {6, 2}},
        {2, 1, 2, {0, 0}},
        {6, 0, 2, {2, 0}},
        {592, 358, 2, {296, 179}},
        // A corner left beyond the edges by a magnification change made
        // before a picture was loaded stays inside the picture.
        {592, 358, 1, {296, 179}},
        {568, 300, 1, {296, 179}},
        {-4, -2, 1, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixmoth::boxOrigin(c.x, c.y, c.m), c.origin) << c.x << "," << c.y;
}

TEST(Capture, ColoursFollowTheDecodedPicture) {
    const Picture picture = randomPicture(6);
    for (const CaptureOrigin origin : {CaptureOrigin{0, 0}, CaptureOrigin{6, 7},
                                       CaptureOrigin{150, 93}, CaptureOrigin{296, 179}}) {
        const pixmoth::Capture capture = pixmoth::captureArea(picture, origin);
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p)
                ASSERT_EQ(capture.colours[std::size_t(pixmoth::capturedIndex(p, r))],
                          pixmoth::pixelColour(picture, origin.px / 2 + p, origin.py + r))
                    << origin.px << "," << origin.py << " " << p << "," << r;
    }
}

TEST(Capture, OneColourArea) {
    const pixmoth::Capture capture = pixmoth::captureArea(plainPicture(6), {24, 21});
    for (int k = 1; k <= 252; ++k)
        ASSERT_EQ(capture.colours[std::size_t(k)], 6) << k;
    const QList<pixmoth::ColourListEntry> expected = {
        {QStringLiteral("col16"), QStringLiteral("[none]"), 16},
        {QStringLiteral("col06"), QStringLiteral("Blue"), 6},
    };
    EXPECT_EQ(capture.listEntries, expected);
    EXPECT_EQ(capture.listEntries[0].image(), 17);
    EXPECT_EQ(capture.listEntries[1].image(), 7);
}

TEST(Capture, ListsColoursInTheOrderTheWalkMeetsThem) {
    // Cell 1 (top left): pair 01 White, pair 10 Red. Its first row holds
    // Black, White, Red, White; further rows are Black.
    Picture picture;
    picture.screenData[1] = 0x12;
    picture.bitmapData[1] = 0b00011001;
    // Row 2 of the next cell (Cyan via colour RAM, pair 11) comes later.
    picture.colourData[2] = 0x03;
    picture.bitmapData[10] = 0b11000000;
    const pixmoth::Capture capture = pixmoth::captureArea(picture, {0, 0});
    QStringList keys, texts;
    for (const auto& entry : capture.listEntries) {
        keys << entry.key;
        texts << entry.text;
    }
    EXPECT_EQ(keys, QStringList({"col16", "col00", "col01", "col02", "col03"}));
    EXPECT_EQ(texts, QStringList({"[none]", "Black", "White", "Red", "Cyan"}));

    // Starting one multicolour pixel further right, White comes first.
    const pixmoth::Capture shifted = pixmoth::captureArea(picture, {2, 0});
    EXPECT_EQ(shifted.listEntries[1].text, QStringLiteral("White"));
    EXPECT_EQ(shifted.listEntries[2].text, QStringLiteral("Red"));
    EXPECT_EQ(shifted.listEntries[3].text, QStringLiteral("Black"));
}

TEST(Capture, ListsEveryColourOnceAfterNone) {
    const pixmoth::Capture capture = pixmoth::captureArea(randomPicture(17), {40, 40});
    QList<int> expected = {16};
    for (int k = 1; k <= 252; ++k)
        if (!expected.contains(capture.colours[std::size_t(k)]))
            expected << capture.colours[std::size_t(k)];
    QList<int> listed;
    for (const auto& entry : capture.listEntries) {
        listed << entry.colour;
        EXPECT_EQ(entry.key, pixmoth::colourKey(entry.colour));
        EXPECT_EQ(entry.text, pixmoth::ColourNames()[std::size_t(entry.colour)]);
    }
    EXPECT_EQ(listed, expected);
}

TEST(Capture, PreviewShowsEachPixelAsASixByThreeBox) {
    const pixmoth::Capture capture = pixmoth::captureArea(randomPicture(3), {100, 50});
    ASSERT_EQ(capture.preview.size(), QSize(72, 63));
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 72; ++x)
            ASSERT_EQ(
                capture.preview.pixel(x, y),
                pixmoth::paletteQRgb(
                    capture.colours[std::size_t(pixmoth::capturedIndex(x / 6 + 1, y / 3 + 1))]))
                << x << "," << y;
}

TEST(Capture, EmptyPictureIsBlack) {
    const pixmoth::Capture capture = pixmoth::captureArea(Picture{}, {0, 0});
    ASSERT_EQ(capture.listEntries.size(), 2);
    EXPECT_EQ(capture.listEntries[1].text, QStringLiteral("Black"));
    EXPECT_EQ(capture.preview.pixel(71, 62), qRgb(0, 0, 0));
}

} // namespace
