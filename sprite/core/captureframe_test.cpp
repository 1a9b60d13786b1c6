#include "sprite/core/captureframe.h"
#include "sprite/core/palette.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb kPaper = qRgb(1, 2, 3); // no palette colour

// The frame drawn on a blank view; returns the painted pixels.
std::set<std::pair<int, int>> framePixels(int x, int y, int m, int colour) {
    QImage view(320 * m, 200 * m, QImage::Format_RGB32);
    view.fill(kPaper);
    {
        QPainter painter(&view);
        pixmoth::paintCaptureFrame(painter, x, y, m, colour);
    }
    std::set<std::pair<int, int>> painted;
    for (int py = 0; py < view.height(); ++py)
        for (int px = 0; px < view.width(); ++px)
            if (view.pixel(px, py) != kPaper) {
                EXPECT_EQ(view.pixel(px, py), pixmoth::paletteQRgb(colour));
                painted.insert({px, py});
            }
    return painted;
}

TEST(CaptureFrame, FlashesThroughTheTenColours) {
    const int expected[] = {0, 11, 12, 15, 7, 1, 7, 15, 12, 11, 0};
    int step = 0;
    for (int tick = 0; tick < 11; ++tick) {
        EXPECT_EQ(pixmoth::kFlashColours[std::size_t(step)], expected[tick]) << tick;
        step = pixmoth::nextFlashStep(step);
    }
}

TEST(CaptureFrame, SegmentsAtMagnificationOne) {
    const std::array<QLine, 8> expected = {{
        {24, 21, 28, 21},
        {24, 21, 24, 25},
        {44, 21, 47, 21},
        {47, 21, 47, 25},
        {24, 41, 28, 41},
        {24, 39, 24, 41},
        {44, 41, 47, 41},
        {47, 39, 47, 41},
    }};
    EXPECT_EQ(pixmoth::captureFrameSegments(24, 21, 1), expected);
}

TEST(CaptureFrame, MarksSitOnTheBoxsOutermostPixels) {
    const struct {
        int x, y, m;
        int right, bottom; // last pixel column and row of the box
        std::size_t count; // pixels in the four marks
    } cases[] = {
        {0, 0, 1, 23, 20, 30},
        {296, 179, 1, 319, 199, 30},
        {48, 42, 2, 95, 83, 56},
        {592, 358, 2, 639, 399, 56},
    };
    for (const auto& c : cases) {
        const auto painted = framePixels(c.x, c.y, c.m, 7);
        EXPECT_EQ(painted.size(), c.count) << c.x << "," << c.y;
        for (const auto& corner : {std::pair{c.x, c.y}, std::pair{c.right, c.y},
                                   std::pair{c.x, c.bottom}, std::pair{c.right, c.bottom}})
            EXPECT_TRUE(painted.count(corner)) << corner.first << "," << corner.second;
        for (const auto& [px, py] : painted) {
            EXPECT_GE(px, c.x);
            EXPECT_LE(px, c.right);
            EXPECT_GE(py, c.y);
            EXPECT_LE(py, c.bottom);
        }
        // Arms: 4M right of the left corners, 3M left of the right ones,
        // 4M down from the top corners, 2M up from the bottom ones.
        EXPECT_TRUE(painted.count({c.x + 4 * c.m, c.y}));
        EXPECT_FALSE(painted.count({c.x + 4 * c.m + 1, c.y}));
        EXPECT_TRUE(painted.count({c.right - 3 * c.m, c.bottom}));
        EXPECT_FALSE(painted.count({c.right - 3 * c.m - 1, c.bottom}));
        EXPECT_TRUE(painted.count({c.right, c.y + 4 * c.m}));
        EXPECT_FALSE(painted.count({c.right, c.y + 4 * c.m + 1}));
        EXPECT_TRUE(painted.count({c.x, c.bottom - 2 * c.m}));
        EXPECT_FALSE(painted.count({c.x, c.bottom - 2 * c.m - 1}));
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

    const QString options = pixmoth::optionsText(true, true);
    EXPECT_EQ(pixmoth::statusLine(pixmoth::positionText(48, 42, 2), options),
              QStringLiteral("x=24, y=21, Align to grid = ON, Erase on capture = ON"));
    EXPECT_EQ(pixmoth::statusLine(QString(), pixmoth::optionsText(false, true)),
              QStringLiteral("Align to grid = OFF, Erase on capture = ON"));
    EXPECT_EQ(pixmoth::optionsText(true, false),
              QStringLiteral("Align to grid = ON, Erase on capture = OFF"));
}

} // namespace
