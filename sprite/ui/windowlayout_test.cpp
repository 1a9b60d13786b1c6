#include "sprite/ui/pictureview.h"
#include "sprite/ui/windowlayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using pixmoth::PictureView;

QRgb checker(int x, int y) {
    return (x + y) % 2 ? qRgb(137, 64, 54) : qRgb(124, 112, 218);
}

// A checkerboard of hi-res pixels, each `unit` x `unit` image pixels.
QImage checkers(QSize pixels, int unit) {
    QImage image(pixels * unit, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, checker(x / unit, y / unit));
    return image;
}

// A picture box of `size` window pixels showing `pixels` hi-res pixels, as a
// screen of `scale` screen pixels per window pixel shows it: each hi-res
// pixel is expected as k x k screen pixels from the box's inner corner, the
// border (if any) round it, and less than a window pixel of the box beyond.
void expectFilled(QSize size, bool bordered, QSize pixels, int unit, qreal scale, int k) {
    PictureView view(bordered);
    view.resize(size);
    view.setPictureFormat(pixels * unit, unit);
    view.setImage(checkers(pixels, unit));
    QImage shown((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(scale);
    shown.fill(qRgb(1, 2, 3)); // no colour the box paints
    view.render(&shown);
    const int b = bordered ? int(std::round(scale)) : 0;
    const QRect picture(b, b, pixels.width() * k, pixels.height() * k);
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x)
            ASSERT_EQ(shown.pixel(x, y), checker((x - b) / k, (y - b) / k)) << x << "," << y;
    if (bordered) { // the border's line on the box's outer edge
        EXPECT_EQ(shown.pixel(0, 0), view.palette().color(QPalette::Dark).rgb());
    }
    EXPECT_LT(shown.width() - picture.right() - 1 - b, scale);
    EXPECT_LT(shown.height() - picture.bottom() - 1 - b, scale);
}

TEST(PictureBoxes, FitTheirPicturesWithEvenPixelsAtEveryScale) {
    const struct {
        qreal scale;
        int m;
        QSize picture, preview; // the boxes, in window pixels
        int k, previewK;        // screen pixels per hi-res pixel
    } cases[] = {
        {1.0, 1, {322, 202}, {72, 63}, 1, 3},  {1.25, 1, {258, 162}, {58, 51}, 1, 3},
        {1.5, 1, {216, 136}, {64, 56}, 1, 4},  {1.75, 1, {185, 117}, {69, 60}, 1, 5},
        {2.0, 1, {322, 202}, {72, 63}, 2, 6},  {1.0, 2, {642, 402}, {72, 63}, 2, 3},
        {1.25, 2, {514, 322}, {58, 51}, 2, 3}, {1.5, 2, {642, 402}, {64, 56}, 3, 4},
        {1.75, 2, {551, 345}, {69, 60}, 3, 5}, {2.0, 2, {642, 402}, {72, 63}, 4, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scale << " at " << c.m << "x" << c.m);
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(c.m, c.scale);
        EXPECT_EQ(l.picStd, QRect(QPoint(1, 1), c.picture));
        EXPECT_EQ(l.picCapture.size(), c.preview);
        // The column of frames along the picture's right border.
        EXPECT_EQ(l.Frame1.left(), l.picStd.right());
        EXPECT_EQ(l.client.width(), l.Frame1.right() + 1);
        EXPECT_EQ(l.ProgressBar1.top(), l.picStd.bottom() + 3);
        expectFilled(c.picture, true, QSize(320, 200), c.m, c.scale, c.k);
        expectFilled(c.preview, false, QSize(24, 21), 3, c.scale, c.previewK);
    }
}

// The frames stack in the column without gaps, each control inside the
// window and inside its frame, and the window no larger than they need.
TEST(ControlPlaces, EveryControlInsideItsFrame) {
    using P = pixmoth::FramePlaces;
    for (int m : {1, 2}) {
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(m);
        EXPECT_EQ(l.Frame3.top(), l.Frame1.bottom() + 1);
        EXPECT_EQ(l.Frame2.top(), l.Frame3.bottom() + 1);
        EXPECT_EQ(l.client.height(), std::max(l.ProgressBar1.bottom(), l.cmdGenerate.bottom()) + 2);
        for (const QRect& r : {l.picStd, l.Frame2, l.cmdGenerate, l.ProgressBar1})
            EXPECT_TRUE(QRect(QPoint(0, 0), l.client).contains(r)) << r.x() << "," << r.y();
        const auto inside = [](const QRect& frame, const QRect& r) {
            return QRect(QPoint(1, 1), frame.size() - QSize(2, 2)).contains(r);
        };
        EXPECT_TRUE(inside(l.Frame1, l.picCapture));
        for (const QRect& r : {P::Label1, P::Label3, P::Label5, P::cboCol1, P::cboCol2, P::cboCol3})
            EXPECT_TRUE(inside(l.Frame3, r)) << r.y();
        for (const QRect& r : {P::opbOutput0, P::opbOutput1})
            EXPECT_TRUE(inside(l.Frame2, r)) << r.x();
    }
    EXPECT_LT(P::Label5.right(), P::cboCol3.left());
}

} // namespace
