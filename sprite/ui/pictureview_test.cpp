#include "sprite/ui/pictureview.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using pixmoth::PictureView;

// A picture of 2 x 1 pixel blocks in two colours, like a multicolour row.
QImage stripes(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x / 2 + y) % 2 ? qRgb(137, 64, 54) : qRgb(124, 112, 218));
    return image;
}

// The view as the screen shows it at `scale` device pixels per pixel.
QImage shownAt(PictureView& view, qreal scale) {
    QImage target((QSizeF(view.size()) * scale).toSize(), QImage::Format_RGB32);
    target.setDevicePixelRatio(scale);
    target.fill(Qt::gray);
    view.render(&target);
    return target;
}

TEST(PictureView, SharpPixelsAtEveryScale) {
    PictureView view(true);
    view.resize(42, 22);
    view.setImage(stripes(QSize(40, 20)));
    for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const QImage shown = shownAt(view, scale);
        // Every pixel has the same whole number of screen pixels, across and
        // down: no alternating 3 x 1 and 3 x 2 blocks at 150 %.
        const int k = int(std::floor(scale));
        EXPECT_EQ(view.devicePixelsPerPixel(scale), k);
        const int top = int(std::round(scale)); // the border's inner edge
        // Only the picture's two colours, never a blend.
        std::set<QRgb> colours;
        for (int y = top; y < top + 20 * k; ++y)
            for (int x = top; x < top + 40 * k; ++x)
                colours.insert(shown.pixel(x, y) | 0xff000000);
        EXPECT_EQ(colours, (std::set<QRgb>{qRgb(137, 64, 54), qRgb(124, 112, 218)}));
        for (int x = top; x < top + 40 * k; ++x)
            EXPECT_EQ(shown.pixel(x, top), shown.pixel(top + (x - top) / k * k, top)) << x;
        for (int i = 0; i < 20; ++i) {
            EXPECT_NE(shown.pixel(top + 2 * k * i, top), shown.pixel(top + 2 * k * (i + 1), top));
            EXPECT_NE(shown.pixel(top, top + k * i), shown.pixel(top, top + k * (i + 1)));
        }
    }
}

TEST(PictureView, OverlayNeverEntersThePicture) {
    PictureView view(false);
    view.resize(20, 10);
    view.setImage(stripes(QSize(20, 10)));
    const QImage kept = view.image();
    const QImage before = shownAt(view, 1);

    view.setOverlay([](QPainter& p) { p.fillRect(QRect(3, 4, 5, 1), QColor(255, 255, 255)); });
    const QImage framed = shownAt(view, 1);
    EXPECT_EQ(framed.pixel(3, 4), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(7, 4), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(8, 4), before.pixel(8, 4));
    EXPECT_EQ(view.image(), kept);

    view.clearOverlay();
    EXPECT_EQ(shownAt(view, 1), before);

    // A pixel painted into the picture (an erased one) is kept.
    view.changeImage(
        [](QImage& image) {
            image.setPixel(0, 0, qRgb(0, 0, 0));
            image.setPixel(1, 0, qRgb(0, 0, 0));
        },
        QRect(0, 0, 2, 1));
    EXPECT_EQ(view.image().pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view.image().pixel(2, 0), kept.pixel(2, 0));
}

TEST(PictureView, ClearFillsTheWholeArea) {
    PictureView view(true);
    view.resize(12, 8);
    view.clear(qRgb(0, 0, 0));
    EXPECT_EQ(view.image().size(), QSize(10, 6));
    EXPECT_EQ(view.image().pixel(9, 5), qRgb(0, 0, 0));
}

} // namespace
