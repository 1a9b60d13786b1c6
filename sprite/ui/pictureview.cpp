#include "sprite/ui/pictureview.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace pixmoth {

PictureView::PictureView(bool bordered, QWidget* parent) : QWidget(parent), bordered_(bordered) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureView::setImage(QImage image) {
    image_ = std::move(image);
    update();
}

void PictureView::changeImage(const std::function<void(QImage&)>& change, const QRect& changed) {
    if (image_.isNull())
        return;
    change(image_);
    updateImagePart(changed);
}

void PictureView::updateImagePart(const QRect& part) {
    // Enlarged to whole screen pixels, the part lies elsewhere: all of it.
    const qreal deviceScale = devicePixelRatioF();
    if (std::abs(devicePixelsPerPixel(deviceScale) - unit_ * deviceScale) > 1e-6)
        update();
    else
        update(part.translated(pictureArea().topLeft()));
}

void PictureView::clear(QRgb colour) {
    const QSize size = pictureArea().size();
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(colour);
    update();
}

void PictureView::setOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
    update();
}

QRect PictureView::pictureArea() const {
    const int border = bordered_ ? 1 : 0;
    return rect().adjusted(border, border, -border, -border);
}

void PictureView::setPixelUnit(int unit) {
    unit_ = std::max(1, unit);
    update();
}

int PictureView::devicePixelsPerPixel(qreal deviceScale) const {
    return std::max(1, int(std::floor(deviceScale * unit_ + 1e-6)));
}

namespace {

// `image` with each block of unit x unit pixels (one colour) shown as
// k x k pixels.
QImage enlarged(const QImage& image, int unit, int k) {
    const int width = image.width() / unit * k;
    const int height = image.height() / unit * k;
    QImage out(width, height, QImage::Format_RGB32);
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / k * unit));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = from[x / k * unit];
    }
    return out;
}

} // namespace

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Nearest-neighbour enlargement: the default, stated because the sharp
    // C64 pixels depend on it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect area = pictureArea();
    if (bordered_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setClipRect(area & event->rect());
    painter.fillRect(area, Qt::black);
    // Screen pixels per window pixel, as the painter will draw them.
    const QTransform toDevice = painter.deviceTransform();
    const qreal deviceScale = toDevice.m11() > 0 ? toDevice.m11() : devicePixelRatioF();
    const int k = devicePixelsPerPixel(deviceScale);
    // Window pixels per image pixel: 1 wherever the scale is a whole number
    // of screen pixels per image pixel.
    const qreal scale = k / (unit_ * deviceScale);
    if (!image_.isNull() && std::abs(scale - 1.0) < 1e-6) {
        const QRect shown = QRect(area.topLeft(), image_.size()) & area;
        painter.drawImage(shown, image_, QRect(QPoint(0, 0), shown.size()));
    } else if (!image_.isNull()) {
        if (shown_.size() != image_.size() / unit_ * k ||
            shown_.text(QStringLiteral("key")) != QString::number(image_.cacheKey())) {
            shown_ = enlarged(image_, unit_, k);
            shown_.setText(QStringLiteral("key"), QString::number(image_.cacheKey()));
        }
        // One image pixel per screen pixel, from a whole screen pixel.
        shown_.setDevicePixelRatio(deviceScale);
        const QPointF corner = toDevice.map(QPointF(area.topLeft()));
        const QPointF at =
            toDevice.inverted().map(QPointF(std::round(corner.x()), std::round(corner.y())));
        painter.drawImage(at, shown_);
    }
    if (overlay_) {
        painter.translate(area.topLeft());
        painter.scale(scale, scale);
        overlay_(painter);
    }
}

} // namespace pixmoth
