#include "sprite/ui/pictureview.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using pixmoth::PictureView;

QImage stripes(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x / 2 + y) % 2 ? qRgb(137, 64, 54) : qRgb(124, 112, 218));
    return image;
}

QImage shown(PictureView& view) {
    QImage target(view.size(), QImage::Format_RGB32);
    view.render(&target);
    return target;
}

TEST(PictureView, OverlayNeverEntersThePicture) {
    PictureView view(false);
    view.resize(20, 10);
    view.setPictureFormat(QSize(20, 10), 1);
    view.setImage(stripes(QSize(20, 10)));
    const QImage kept = view.image();
    const QImage before = shown(view);

    view.setOverlay([](QPainter& p, int k) { p.fillRect(QRect(3, 4, 5 * k, 1), Qt::white); });
    const QImage framed = shown(view);
    EXPECT_EQ(framed.pixel(3, 4), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(7, 4), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(8, 4), before.pixel(8, 4));
    EXPECT_EQ(view.image(), kept);

    view.clearOverlay();
    EXPECT_EQ(shown(view), before);

    // A pixel painted into the picture (an erased one) is kept and shown.
    view.changeImage([](QImage& image) { image.setPixel(1, 0, qRgb(0, 0, 0)); }, QRect(1, 0, 1, 1));
    EXPECT_EQ(view.image().pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view.image().pixel(2, 0), kept.pixel(2, 0));
    EXPECT_EQ(shown(view).pixel(1, 0), qRgb(0, 0, 0));
}

TEST(PictureView, ClearFillsTheWholePicture) {
    PictureView view(true);
    view.resize(12, 8);
    view.setPictureFormat(QSize(20, 12), 2);
    view.clear(qRgb(0, 0, 0));
    EXPECT_EQ(view.image().size(), QSize(20, 12));
    EXPECT_EQ(view.image().pixel(19, 11), qRgb(0, 0, 0));
}

} // namespace
