#include "sprite/core/capture.h"
#include "sprite/core/palette.h"
#include "sprite/core/spritedata.h"
#include "testsupport/picture_test_util.h"

#include <gtest/gtest.h>

namespace {

using pixmoth::capturedIndex;
using pixmoth::CaptureOrigin;
using pixmoth::Picture;

// Every position the box can take (even columns 0..296, rows 0..179): each
// captured pixel (p, r) lies where the pixel rule puts multicolour pixel
// (px / 2 + p, py + r).
TEST(CaptureWalk, MatchesThePixelRuleAtEveryPosition) {
    for (int py = 0; py <= pixmoth::kMaxCaptureTop; ++py)
        for (int px = 0; px <= pixmoth::kMaxCaptureLeft; px += 2) {
            const pixmoth::CapturePlaces places = pixmoth::captureWalk({px, py});
            for (int r = 1; r <= 21; ++r)
                for (int p = 1; p <= 12; ++p) {
                    const pixmoth::BytePair got = places[std::size_t(capturedIndex(p, r))];
                    const pixmoth::BytePair want = pixmoth::locatePixel(px / 2 + p, py + r);
                    ASSERT_TRUE(got.byte == want.byte && got.pair == want.pair)
                        << px << "," << py << " pixel " << p << "," << r;
                }
        }
}

// The colours, the lists ("[none]", then each colour once in the order the
// walk meets it, keyed and named) and the 6 x 3 preview boxes all follow the
// decoded picture. A sparse picture meets few colours, in an order that moves
// with the box; a blank one lists "[none]" and Black alone.
TEST(Capture, ColoursListsAndPreviewFollowThePicture) {
    const Picture busy = pixmoth::test::randomPicture(6), blank;
    Picture sparse;
    sparse.screenData[1] = 0x12;
    sparse.bitmapData[1] = 0b00011001;
    sparse.colourData[2] = 0x03;
    sparse.bitmapData[10] = 0b11000000;
    const std::pair<const Picture*, CaptureOrigin> cases[] = {
        {&busy, {0, 0}},   {&busy, {6, 7}},   {&busy, {150, 93}}, {&busy, {296, 179}},
        {&sparse, {0, 0}}, {&sparse, {2, 0}}, {&blank, {0, 0}}};
    for (const auto& [picture, origin] : cases) {
        SCOPED_TRACE(testing::Message() << origin.px << "," << origin.py);
        const pixmoth::Capture capture = pixmoth::captureArea(*picture, origin);
        QList<int> expected = {16}, listed;
        for (int r = 1; r <= 21; ++r)
            for (int p = 1; p <= 12; ++p) {
                const int colour = capture.colours[std::size_t(capturedIndex(p, r))];
                ASSERT_EQ(colour, pixmoth::pixelColour(*picture, origin.px / 2 + p, origin.py + r));
                if (!expected.contains(colour))
                    expected << colour;
            }
        for (const auto& entry : capture.listEntries) {
            listed << entry.colour;
            EXPECT_EQ(pixmoth::choiceFromKey(entry.key), entry.colour);
            EXPECT_EQ(entry.text, pixmoth::ColourNames()[std::size_t(entry.colour)]);
        }
        EXPECT_EQ(listed, expected);
        ASSERT_EQ(capture.preview.size(), QSize(72, 63));
        for (int y = 0; y < 63; ++y)
            for (int x = 0; x < 72; ++x)
                ASSERT_EQ(
                    capture.preview.pixel(x, y),
                    pixmoth::paletteQRgb(capture.colours[capturedIndex(x / 6 + 1, y / 3 + 1)]))
                    << x << "," << y;
    }
}

} // namespace
