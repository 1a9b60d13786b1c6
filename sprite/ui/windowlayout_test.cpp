#include "sprite/ui/pictureview.h"
#include "sprite/ui/windowlayout.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

QRgb checker(int x, int y) {
    return (x + y) % 2 ? qRgb(137, 64, 54) : qRgb(124, 112, 218);
}

// A picture box of `size` window pixels showing a checkerboard of `pixels`
// hi-res pixels, each `unit` x `unit` image pixels, as a screen of `scale`
// screen pixels per window pixel shows it: each hi-res pixel is expected as
// k x k screen pixels from the box's inner corner, the border (if any) round
// it, and less than a window pixel of the box beyond. A mark painted over it
// is shown without entering the picture, and goes when cleared.
void expectFilled(QSize size, bool bordered, QSize pixels, int unit, qreal scale, int k) {
    pixmoth::PictureView view(bordered);
    view.resize(size);
    view.setPictureFormat(pixels * unit, unit);
    QImage image(pixels * unit, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, checker(x / unit, y / unit));
    view.setImage(image);
    QImage shown((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(scale);
    shown.fill(qRgb(1, 2, 3)); // no colour the box paints
    view.render(&shown);
    const int b = bordered ? int(std::round(scale)) : 0;
    const QRect picture(b, b, pixels.width() * k, pixels.height() * k);
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x)
            ASSERT_EQ(shown.pixel(x, y), checker((x - b) / k, (y - b) / k)) << x << "," << y;
    EXPECT_TRUE(!bordered || shown.pixel(0, 0) == view.palette().color(QPalette::Dark).rgb());
    EXPECT_LT(shown.width() - picture.right() - 1 - b, scale);
    EXPECT_LT(shown.height() - picture.bottom() - 1 - b, scale);
    view.setOverlay([](QPainter& p, int kk) { p.fillRect(QRect(0, 0, 2 * kk, 1), Qt::white); });
    view.render(&shown);
    EXPECT_EQ(QList<QRgb>({shown.pixel(b + 2 * k - 1, b), shown.pixel(b + 2 * k, b)}),
              QList<QRgb>({qRgb(255, 255, 255), checker(2, 0)}));
    EXPECT_EQ(view.image(), image);
    view.clearOverlay();
    view.render(&shown);
    EXPECT_EQ(shown.pixel(b, b), checker(0, 0));
}

// Both boxes hold their pictures whole at every scale and magnification,
// with k whole screen pixels per hi-res pixel, and the frames stack without
// gaps in the column along the picture's right border, each control inside
// the window and its frame, the window no larger than they need.
TEST(PictureBoxes, FitTheirPicturesWithEvenPixelsAtEveryScale) {
    const std::tuple<qreal, int, int, int> cases[] = {
        // scale, m, k, the preview's k
        {1.0, 1, 1, 3}, {1.25, 1, 1, 3}, {1.5, 1, 1, 4}, {1.75, 1, 1, 5}, {2.0, 1, 2, 6},
        {1.0, 2, 2, 3}, {1.25, 2, 2, 3}, {1.5, 2, 3, 4}, {1.75, 2, 3, 5}, {2.0, 2, 4, 6},
    };
    using P = pixmoth::FramePlaces;
    EXPECT_LT(P::Label5.right(), P::cboCol3.left());
    for (const auto& [scale, m, k, previewK] : cases) {
        SCOPED_TRACE(testing::Message() << scale << " at " << m << "x" << m);
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(m, scale);
        EXPECT_EQ(l.Frame1.left(), l.picStd.right());
        EXPECT_EQ(l.client.width(), l.Frame1.right() + 1);
        EXPECT_EQ(l.ProgressBar1.top(), l.picStd.bottom() + 3);
        EXPECT_EQ(l.Frame3.top(), l.Frame1.bottom() + 1);
        EXPECT_EQ(l.Frame2.top(), l.Frame3.bottom() + 1);
        EXPECT_EQ(l.client.height(), std::max(l.ProgressBar1.bottom(), l.cmdGenerate.bottom()) + 2);
        for (const QRect& r : {l.picStd, l.Frame2, l.cmdGenerate, l.ProgressBar1})
            EXPECT_TRUE(QRect(QPoint(0, 0), l.client).contains(r)) << r.x() << "," << r.y();
        const std::pair<QRect, QRect> inside[] = {
            {l.Frame1, l.picCapture}, {l.Frame3, P::Label1},     {l.Frame3, P::Label3},
            {l.Frame3, P::Label5},    {l.Frame3, P::cboCol1},    {l.Frame3, P::cboCol2},
            {l.Frame3, P::cboCol3},   {l.Frame2, P::opbOutput0}, {l.Frame2, P::opbOutput1}};
        for (const auto& [frame, r] : inside)
            EXPECT_TRUE(QRect(QPoint(1, 1), frame.size() - QSize(2, 2)).contains(r)) << r.y();
        expectFilled(l.picStd.size(), true, QSize(320, 200), m, scale, k);
        expectFilled(l.picCapture.size(), false, QSize(24, 21), 3, scale, previewK);
    }
}

} // namespace
