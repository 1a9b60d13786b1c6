#include "sprite/ui/windowlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlPlaces, FitsThePictureAndTheColumnAtBothMagnifications) {
    const struct {
        int m;
        QSize picture, client;
    } cases[] = {{1, {322, 202}, {492, 213}}, {2, {642, 402}, {812, 413}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m);
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(c.m);
        EXPECT_EQ(l.picStd, QRect(QPoint(1, 1), c.picture));
        EXPECT_EQ(l.client, c.client);

        // The frames share the picture's right border column and stack
        // without gaps; the button hangs one pixel into Frame2.
        for (const QRect& frame : {l.Frame1, l.Frame3, l.Frame2}) {
            EXPECT_EQ(frame.left(), l.picStd.right());
            EXPECT_EQ(frame.width(), pixmoth::FramePlaces::kColumnWidth);
        }
        EXPECT_EQ(l.Frame3.top(), l.Frame1.bottom() + 1);
        EXPECT_EQ(l.Frame2.top(), l.Frame3.bottom() + 1);
        EXPECT_EQ(l.cmdGenerate.left(), l.Frame1.left() + 1);
        EXPECT_EQ(l.cmdGenerate.top(), l.Frame2.bottom());

        // The progress bar lies under the picture across the whole window.
        EXPECT_EQ(l.ProgressBar1.top(), l.picStd.bottom() + 3);
        EXPECT_EQ(l.ProgressBar1.left(), 0);
        EXPECT_EQ(l.ProgressBar1.width(), l.client.width());

        // Everything inside the client area, and the area no larger than
        // the controls need.
        const QRect client(QPoint(0, 0), l.client);
        for (const QRect& r :
             {l.picStd, l.Frame1, l.Frame3, l.Frame2, l.cmdGenerate, l.ProgressBar1})
            EXPECT_TRUE(client.contains(r)) << r.x() << "," << r.y();
        EXPECT_EQ(client.right(), l.Frame1.right());
        EXPECT_EQ(client.bottom(), std::max(l.ProgressBar1.bottom(), l.cmdGenerate.bottom()) + 1);
    }
}

TEST(ControlPlaces, PreviewAndListsInsideTheirFrames) {
    using P = pixmoth::FramePlaces;
    const pixmoth::WindowLayout l = pixmoth::controlPlaces(1);
    EXPECT_EQ(l.picCapture.size(), QSize(72, 63));
    const QRect frame1(QPoint(0, 0), l.Frame1.size());
    EXPECT_TRUE(frame1.adjusted(2, 2, -2, -2).contains(l.picCapture));
    EXPECT_LE(std::abs(l.picCapture.center().x() - frame1.center().x()), 1);

    const QRect frame3(QPoint(0, 0), l.Frame3.size());
    for (const QRect& r : {P::Label1, P::Label3, P::Label5, P::cboCol1, P::cboCol2, P::cboCol3})
        EXPECT_TRUE(frame3.adjusted(1, 1, -1, -1).contains(r)) << r.y();
    // Each label ends before its list starts.
    EXPECT_LT(P::Label5.right(), P::cboCol3.left());
    const QRect frame2(QPoint(0, 0), l.Frame2.size());
    for (const QRect& r : {P::opbOutput0, P::opbOutput1})
        EXPECT_TRUE(frame2.adjusted(1, 1, -1, -1).contains(r)) << r.x();
}

} // namespace
