#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace pixmoth {

// A picture box that keeps its picture as an image and shows it inside an
// optional one-pixel border. Each hi-res pixel of the picture (a square of
// `pixelUnit` image pixels) covers the same whole number of screen pixels:
// one image pixel per window pixel where the screen's scale allows it, and
// at fractional scales (150 %) the largest whole number that fits, with
// black beyond the picture. No smoothing: each C64 pixel is a sharp block.
//
// An overlay (the flashing capture frame) is painted over the picture on
// the screen only: it never enters the kept image, and replacing or clearing
// it brings back what was under it.
class PictureView : public QWidget {
    Q_OBJECT
public:
    // Painter already translated to the picture's top-left pixel; one unit
    // is one pixel of the picture area.
    using Overlay = std::function<void(QPainter&)>;

    explicit PictureView(bool bordered, QWidget* parent = nullptr);

    // The kept picture; the area beyond it shows black.
    const QImage& image() const { return image_; }
    void setImage(QImage image);

    // Lets `change` draw into the kept picture in place and shows the part
    // `changed` of it again (the rest of the view is not repainted).
    void changeImage(const std::function<void(QImage&)>& change, const QRect& changed);

    // Fills the whole picture area with `colour` (clearing the picture).
    void clear(QRgb colour);

    void setOverlay(Overlay overlay);
    void clearOverlay() { setOverlay({}); }

    // Where the picture area lies within the widget.
    QRect pictureArea() const;

    // Image pixels per hi-res pixel, in both directions (1 by default).
    void setPixelUnit(int unit);
    // Screen pixels per hi-res pixel at `deviceScale` screen pixels per
    // window pixel: a whole number, at least 1.
    int devicePixelsPerPixel(qreal deviceScale) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateImagePart(const QRect& part);
    bool bordered_;
    int unit_ = 1;
    QImage image_;
    QImage shown_; // image_ enlarged to whole screen pixels, when it must be
    Overlay overlay_;
};

} // namespace pixmoth
