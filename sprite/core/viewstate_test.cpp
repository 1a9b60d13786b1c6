#include "sprite/core/captureframe.h"
#include "sprite/core/viewstate.h"

#include <gtest/gtest.h>

namespace {

using pixmoth::Arrow;
using pixmoth::ViewState;

ViewState at(int m, bool align, int x, int y) {
    ViewState s;
    s.Magnification = m;
    s.AlignToGrid = align;
    s.CaptureX = x;
    s.CaptureY = y;
    return s;
}

TEST(MoveCapture, StepsAndClampsAtBothMagnifications) {
    const struct {
        int m;
        bool align;
        int x, y;
        Arrow arrow;
        int toX, toY;
    } cases[] = {
        // A sprite's size with alignment, clamped at the picture's edges.
        {1, true, 0, 0, Arrow::Right, 24, 0},
        {1, true, 288, 0, Arrow::Right, 296, 0}, // not 312
        {1, true, 10, 0, Arrow::Left, 0, 0},
        {1, true, 0, 0, Arrow::Down, 0, 21},
        {1, true, 0, 170, Arrow::Down, 0, 179},
        {1, true, 0, 20, Arrow::Up, 0, 0},
        {2, true, 0, 0, Arrow::Right, 48, 0},
        {2, true, 560, 0, Arrow::Right, 592, 0},
        {2, true, 0, 0, Arrow::Down, 0, 42},
        {2, true, 0, 340, Arrow::Down, 0, 358},
        // One multicolour pixel without: 2M across, M down.
        {1, false, 0, 0, Arrow::Right, 2, 0},
        {1, false, 0, 0, Arrow::Down, 0, 1},
        {1, false, 1, 0, Arrow::Left, 0, 0},
        {1, false, 295, 179, Arrow::Right, 296, 179},
        {1, false, 0, 179, Arrow::Down, 0, 179},
        {2, false, 0, 0, Arrow::Right, 4, 0},
        {2, false, 0, 354, Arrow::Down, 0, 356},
        {2, false, 0, 356, Arrow::Down, 0, 358}, // and stops there
        {2, false, 0, 358, Arrow::Down, 0, 358},
        {2, false, 0, 1, Arrow::Up, 0, 0},
        // A box left outside the picture comes back inside with any move.
        {1, true, 592, 358, Arrow::Left, 296, 179},
    };
    for (const auto& c : cases) {
        ViewState s = at(c.m, c.align, c.x, c.y);
        pixmoth::moveCapture(s, c.arrow);
        EXPECT_EQ(s.CaptureX, c.toX) << "m=" << c.m << " from " << c.x << "," << c.y;
        EXPECT_EQ(s.CaptureY, c.toY) << "m=" << c.m << " from " << c.x << "," << c.y;
    }
}

TEST(Rescale, HalvesGoToTheEvenNeighbour) {
    const std::pair<int, int> cases[] = {{48, 24},   {5, 2},     {7, 4},  {0, 0},
                                         {1, 0},     {3, 2},     {9, 4},  {11, 6},
                                         {592, 296}, {358, 179}, {-1, 0}, {-3, -2}};
    for (const auto& [value, half] : cases)
        EXPECT_EQ(pixmoth::halveToEven(value), half) << value;
}

TEST(Rescale, CapturePositionFollowsTheMagnification) {
    const struct {
        int from, to, x, y, toX, toY;
    } cases[] = {{2, 1, 48, 42, 24, 21},
                 {2, 1, 5, 7, 2, 4},
                 {1, 2, 24, 21, 48, 42},
                 {1, 1, 5, 7, 5, 7},
                 {2, 2, 5, 7, 5, 7}};
    for (const auto& c : cases) {
        ViewState s = at(c.to, true, c.x, c.y);
        pixmoth::rescaleCapture(s, c.from);
        EXPECT_EQ(s.CaptureX, c.toX) << c.from << "->" << c.to;
        EXPECT_EQ(s.CaptureY, c.toY) << c.from << "->" << c.to;
    }
}

TEST(StatusText, OptionsAndPosition) {
    const struct {
        bool align, erase;
        const char* text;
    } options[] = {{true, true, "Align to grid = ON, Erase on capture = ON"},
                   {false, true, "Align to grid = OFF, Erase on capture = ON"},
                   {true, false, "Align to grid = ON, Erase on capture = OFF"},
                   {false, false, "Align to grid = OFF, Erase on capture = OFF"}};
    for (const auto& o : options) {
        ViewState s;
        s.AlignToGrid = o.align;
        s.EraseOnCapture = o.erase;
        EXPECT_EQ(pixmoth::OptionsStatusText(s), QLatin1String(o.text));
        EXPECT_EQ(pixmoth::statusLine(s), QLatin1String(o.text)); // no position yet
    }

    const struct {
        int m, x, y;
        const char* text;
    } positions[] = {{1, 3, 7, "x=3, y=7"},
                     {2, 48, 42, "x=24, y=21"},
                     {2, 5, 7, "x=2.5, y=3.5"},
                     {1, 296, 179, "x=296, y=179"}};
    for (const auto& p : positions)
        EXPECT_EQ(pixmoth::positionText(p.x, p.y, p.m), QLatin1String(p.text));

    ViewState s = at(1, true, 3, 7);
    s.PositionStatusText = pixmoth::positionText(s.CaptureX, s.CaptureY, s.Magnification);
    EXPECT_EQ(pixmoth::statusLine(s),
              QLatin1String("x=3, y=7, Align to grid = ON, Erase on capture = ON"));
}

} // namespace
