#include "sprite/core/captureframe.h"
#include "sprite/core/palette.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb kPaper = qRgb(1, 2, 3); // no palette colour

// Black, the greys, yellow, white and back: ten ticks of 100 ms, then again.
TEST(CaptureFrame, FlashesThroughTheTenColoursOnceASecond) {
    const int expected[] = {0, 11, 12, 15, 7, 1, 7, 15, 12, 11, 0};
    for (int tick = 0, step = 0; tick < 11; ++tick, step = pixmoth::nextFlashStep(step))
        EXPECT_EQ(pixmoth::kFlashColours[std::size_t(step)], expected[tick]) << tick;
}

// Four corner marks on the box's outermost pixels: arms of 4k pixels right
// of and below the top-left corner, 3k left of the right corners and 2k up
// from the bottom ones, at k screen pixels per hi-res pixel.
TEST(CaptureFrame, MarksSitOnTheBoxsOutermostPixels) {
    const struct {
        QRect box;
        int k;
        std::size_t count; // pixels in the four marks
    } cases[] = {
        {{0, 0, 24, 21}, 1, 30},     {{296, 179, 24, 21}, 1, 30}, {{48, 42, 48, 42}, 2, 56},
        {{592, 358, 48, 42}, 2, 56}, {{72, 63, 72, 63}, 3, 82},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box.x() << "," << c.box.y() << " k=" << c.k);
        QImage view(960, 600, QImage::Format_RGB32);
        view.fill(kPaper);
        {
            QPainter painter(&view);
            pixmoth::paintCaptureFrame(painter, c.box, c.k, 7);
        }
        std::set<std::pair<int, int>> painted;
        for (int py = 0; py < view.height(); ++py)
            for (int px = 0; px < view.width(); ++px)
                if (view.pixel(px, py) != kPaper) {
                    ASSERT_EQ(view.pixel(px, py), pixmoth::paletteQRgb(7));
                    ASSERT_TRUE(c.box.contains(px, py)) << px << "," << py;
                    painted.insert({px, py});
                }
        EXPECT_EQ(painted.size(), c.count);
        const int x = c.box.left(), y = c.box.top(), r = c.box.right(), b = c.box.bottom();
        const std::pair<int, int> ends[] = {{x + 4 * c.k, y}, {x, y + 4 * c.k}, {r - 3 * c.k, y},
                                            {r, y + 4 * c.k}, {x, b - 2 * c.k}, {r - 3 * c.k, b}};
        for (const auto& end : ends)
            EXPECT_TRUE(painted.count(end)) << end.first << "," << end.second;
        EXPECT_FALSE(painted.count({x + 4 * c.k + 1, y}));
        EXPECT_FALSE(painted.count({r - 3 * c.k - 1, b}));
        EXPECT_FALSE(painted.count({r, y + 4 * c.k + 1}));
        EXPECT_FALSE(painted.count({x, b - 2 * c.k - 1}));
    }
}

TEST(CaptureFrame, StatusTexts) {
    const struct {
        int x, y, m;
        const char* text;
    } cases[] = {
        {48, 42, 2, "x=24, y=21"}, {24, 21, 1, "x=24, y=21"},       {3, 7, 1, "x=3, y=7"},
        {5, 0, 2, "x=2.5, y=0"},   {592, 357, 2, "x=296, y=178.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixmoth::positionText(c.x, c.y, c.m), QLatin1String(c.text));
    EXPECT_EQ(
        pixmoth::statusLine(pixmoth::positionText(48, 42, 2), pixmoth::optionsText(true, false)),
        QStringLiteral("x=24, y=21, Align to grid = ON, Erase on capture = OFF"));
    EXPECT_EQ(pixmoth::statusLine(QString(), pixmoth::optionsText(false, true)),
              QStringLiteral("Align to grid = OFF, Erase on capture = ON"));
}

} // namespace
