#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace pixmoth {

// Screen pixels per hi-res pixel for a picture of `unit` x `unit` image
// pixels per hi-res pixel, one image pixel meant per window pixel, on a
// screen of `deviceScale` screen pixels per window pixel: the largest whole
// number that fits, at least 1. The same number across and down, so every
// C64 pixel is a sharp block of equal size at every scale.
int devicePixelsPerPixel(int unit, qreal deviceScale);

// The window pixels that hold a picture of `imageSize` image pixels drawn at
// that whole number: each side rounded up to a whole window pixel, so a box
// of this size is filled to its edge. At 100 % and 200 % the image's size.
QSize shownSize(QSize imageSize, int unit, qreal deviceScale);

// A picture box that keeps its picture as an image and shows it inside an
// optional one-pixel border, each hi-res pixel (`unit` x `unit` image
// pixels) as devicePixelsPerPixel screen pixels. Sized with shownSize (plus
// the border), the box shows the picture to its edge: at fractional scales
// less than one window pixel is left over at the right and bottom, and the
// border closes round the picture before it.
//
// An overlay (the flashing capture frame) is painted over the picture on
// the screen only: it never enters the kept image, and replacing or clearing
// it brings back what was under it.
class PictureView : public QWidget {
    Q_OBJECT
public:
    // Painter in screen pixels, its origin on the picture's top-left screen
    // pixel; `pixelSize` is the screen pixels per hi-res pixel.
    using Overlay = std::function<void(QPainter&, int pixelSize)>;

    explicit PictureView(bool bordered, QWidget* parent = nullptr);

    // The picture's size in image pixels and its image pixels per hi-res
    // pixel (320 x 200 and 1 by default).
    void setPictureFormat(QSize imageSize, int unit);

    // The kept picture; the area beyond it shows black.
    const QImage& image() const { return m_image; }
    void setImage(QImage image);

    // Lets `change` draw into the kept picture in place and shows the part
    // `changed` of it again.
    void changeImage(const std::function<void(QImage&)>& change, const QRect& changed);

    // Fills the whole picture with `colour` (clearing it).
    void clear(QRgb colour);

    void setOverlay(Overlay overlay);
    void clearOverlay() { setOverlay({}); }

    // Where the picture area lies within the widget, in window pixels.
    QRect pictureArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_bordered;
    int m_unit = 1;
    QSize m_imageSize{320, 200};
    QImage m_image;
    QImage m_shown; // m_image enlarged to whole screen pixels, when it must be
    Overlay m_overlay;
};

} // namespace pixmoth
