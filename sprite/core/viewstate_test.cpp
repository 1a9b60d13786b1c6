#include "sprite/core/viewstate.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using pixmoth::Arrow;
using pixmoth::ViewState;

ViewState at(int m, bool align, int x, int y) {
    ViewState s;
    std::tie(s.Magnification, s.AlignToGrid, s.CaptureX, s.CaptureY) = std::tuple(m, align, x, y);
    return s;
}

// A sprite's size with alignment, else one multicolour pixel (2M across, M
// down), clamped at the picture's edges; a box left outside the picture comes
// back inside with any move.
TEST(MoveCapture, StepsAndClampsAtBothMagnifications) {
    const std::tuple<int, bool, int, int, Arrow, int, int> cases[] = {
        {1, true, 0, 0, Arrow::Right, 24, 0},       {1, true, 288, 0, Arrow::Right, 296, 0},
        {1, true, 10, 0, Arrow::Left, 0, 0},        {1, true, 0, 170, Arrow::Down, 0, 179},
        {1, true, 0, 20, Arrow::Up, 0, 0},          {2, true, 560, 0, Arrow::Right, 592, 0},
        {2, true, 0, 0, Arrow::Down, 0, 42},        {2, true, 0, 340, Arrow::Down, 0, 358},
        {1, false, 0, 0, Arrow::Right, 2, 0},       {1, false, 0, 0, Arrow::Down, 0, 1},
        {1, false, 1, 0, Arrow::Left, 0, 0},        {1, false, 295, 179, Arrow::Right, 296, 179},
        {2, false, 0, 0, Arrow::Right, 4, 0},       {2, false, 0, 356, Arrow::Down, 0, 358},
        {2, false, 0, 358, Arrow::Down, 0, 358},    {2, false, 0, 1, Arrow::Up, 0, 0},
        {1, true, 592, 358, Arrow::Left, 296, 179},
    };
    for (const auto& [m, align, x, y, arrow, toX, toY] : cases) {
        ViewState s = at(m, align, x, y);
        pixmoth::moveCapture(s, arrow);
        EXPECT_EQ(QPoint(s.CaptureX, s.CaptureY), QPoint(toX, toY)) << m << " " << x << "," << y;
    }
}

// Halved (odd halves to the even neighbour) going down, doubled going up.
TEST(Rescale, CapturePositionFollowsTheMagnification) {
    const std::tuple<int, int, int, int, int, int> cases[] = {
        {2, 1, 48, 42, 24, 21}, {2, 1, 5, 7, 2, 4},    {2, 1, 1, 3, 0, 2},
        {2, 1, 9, 11, 4, 6},    {2, 1, -1, -3, 0, -2}, {1, 2, 24, 21, 48, 42},
        {1, 1, 5, 7, 5, 7},     {2, 2, 5, 7, 5, 7},    {2, 1, 592, 358, 296, 179}};
    for (const auto& [from, to, x, y, toX, toY] : cases) {
        ViewState s = at(to, true, x, y);
        pixmoth::rescaleCapture(s, from);
        EXPECT_EQ(QPoint(s.CaptureX, s.CaptureY), QPoint(toX, toY)) << from << "->" << to;
    }
}

// Halves round to the even neighbour and an odd column goes left; a corner
// left beyond the edges by a magnification change made before a picture was
// loaded stays inside the picture.
TEST(CaptureBox, OriginAndPixelsOnTheScreen) {
    const std::tuple<int, int, int, int, QRect> cases[] = {
        {0, 0, 1, 1, {0, 0, 24, 21}},         {24, 21, 1, 1, {24, 21, 24, 21}},
        {48, 42, 2, 2, {48, 42, 48, 42}},     {48, 42, 2, 3, {72, 63, 72, 63}},
        {10, 5, 2, 2, {8, 4, 48, 42}},        {14, 7, 2, 1, {6, 4, 24, 21}},
        {2, 1, 2, 1, {0, 0, 24, 21}},         {6, 0, 2, 1, {2, 0, 24, 21}},
        {592, 358, 2, 1, {296, 179, 24, 21}}, {592, 358, 1, 2, {592, 358, 48, 42}},
        {568, 300, 1, 1, {296, 179, 24, 21}}, {-4, -2, 1, 1, {0, 0, 24, 21}},
    };
    for (const auto& [x, y, m, pixelSize, box] : cases) {
        const ViewState s = at(m, true, x, y);
        EXPECT_EQ(s.box(pixelSize), box) << x << "," << y << " at " << m;
        EXPECT_EQ(QPoint(s.origin().px, s.origin().py) * pixelSize, box.topLeft());
    }
}

} // namespace
