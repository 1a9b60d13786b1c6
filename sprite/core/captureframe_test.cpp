#include "sprite/core/captureframe.h"
#include "sprite/core/palette.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

// Black, the greys, yellow, white and back: ten ticks of 100 ms, then again.
TEST(CaptureFrame, FlashesThroughTheTenColoursOnceASecond) {
    const int expected[] = {0, 11, 12, 15, 7, 1, 7, 15, 12, 11, 0};
    for (int tick = 0, step = 0; tick < 11; ++tick, step = pixmoth::nextFlashStep(step))
        EXPECT_EQ(pixmoth::kFlashColours[std::size_t(step)], expected[tick]) << tick;
}

// Four corner marks on the box's outermost pixels: arms of 4k pixels right
// of and below the top-left corner, 3k left of the right corners and 2k up
// from the bottom ones, at k screen pixels per hi-res pixel; nothing else.
TEST(CaptureFrame, MarksSitOnTheBoxsOutermostPixels) {
    const std::tuple<QRect, int, std::size_t> cases[] = {
        {{0, 0, 24, 21}, 1, 30},     {{296, 179, 24, 21}, 1, 30}, {{48, 42, 48, 42}, 2, 56},
        {{592, 358, 48, 42}, 2, 56}, {{72, 63, 72, 63}, 3, 82},
    };
    const QRgb paper = qRgb(1, 2, 3); // no palette colour
    for (const auto& [box, k, count] : cases) {
        SCOPED_TRACE(testing::Message() << box.x() << "," << box.y() << " k=" << k);
        QImage view(960, 600, QImage::Format_RGB32);
        view.fill(paper);
        {
            QPainter painter(&view);
            pixmoth::paintCaptureFrame(painter, box, k, 7);
        }
        std::set<std::pair<int, int>> painted;
        for (int py = 0; py < view.height(); ++py)
            for (int px = 0; px < view.width(); ++px)
                if (view.pixel(px, py) != paper) {
                    ASSERT_EQ(view.pixel(px, py), pixmoth::paletteQRgb(7));
                    ASSERT_TRUE(box.contains(px, py)) << px << "," << py;
                    painted.insert({px, py});
                }
        EXPECT_EQ(painted.size(), count);
        const int x = box.left(), y = box.top(), r = box.right(), b = box.bottom();
        for (const auto& end : {std::pair(x + 4 * k, y),
                                {x, y + 4 * k},
                                {r - 3 * k, y},
                                {r, y + 4 * k},
                                {x, b - 2 * k},
                                {r - 3 * k, b}})
            EXPECT_TRUE(painted.count(end)) << end.first << "," << end.second;
    }
}

// The position in C64 pixels, halves where the magnification leaves them.
TEST(CaptureFrame, PositionTexts) {
    const std::tuple<int, int, int, const char*> cases[] = {
        {48, 42, 2, "x=24, y=21"}, {24, 21, 1, "x=24, y=21"},       {3, 7, 1, "x=3, y=7"},
        {5, 0, 2, "x=2.5, y=0"},   {592, 357, 2, "x=296, y=178.5"},
    };
    for (const auto& [x, y, m, text] : cases)
        EXPECT_EQ(pixmoth::positionText(x, y, m), QLatin1String(text));
}

} // namespace
