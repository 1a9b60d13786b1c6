#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace pixmoth {

// A picture box that keeps its picture as an image and shows it one image
// pixel per window pixel, inside an optional one-pixel border. At every
// screen scale, fractional ones included, the image is enlarged without
// smoothing, so each C64 pixel stays a sharp block.
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

    // Fills a box of the kept picture (a plotted pixel) and shows it.
    void fillBox(const QRect& box, QRgb colour);

    // Lets `change` draw into the kept picture in place and shows the part
    // `changed` of it again (the rest of the view is not repainted).
    void changeImage(const std::function<void(QImage&)>& change, const QRect& changed);

    // Fills the whole picture area with `colour` (clearing the picture).
    void clear(QRgb colour);

    void setOverlay(Overlay overlay);
    void clearOverlay() { setOverlay({}); }

    // Where the picture area lies within the widget.
    QRect pictureArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool bordered_;
    QImage image_;
    Overlay overlay_;
};

} // namespace pixmoth
