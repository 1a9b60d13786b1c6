#include "sprite/ui/pictureview.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace pixmoth {

int devicePixelsPerPixel(int unit, qreal deviceScale) {
    return std::max(1, int(std::floor(deviceScale * std::max(1, unit) + 1e-6)));
}

QSize shownSize(QSize imageSize, int unit, qreal deviceScale) {
    const int u = std::max(1, unit);
    const int k = devicePixelsPerPixel(u, deviceScale);
    const auto length = [&](int image) {
        return int(std::ceil(image / u * k / deviceScale - 1e-6));
    };
    return {length(imageSize.width()), length(imageSize.height())};
}

PictureView::PictureView(bool bordered, QWidget* parent) : QWidget(parent), m_bordered(bordered) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureView::setPictureFormat(QSize imageSize, int unit) {
    m_imageSize = imageSize;
    m_unit = std::max(1, unit);
    update();
}

void PictureView::setImage(QImage image) {
    m_image = std::move(image);
    update();
}

void PictureView::changeImage(const std::function<void(QImage&)>& change, const QRect& changed) {
    if (m_image.isNull())
        return;
    change(m_image);
    // Enlarged to whole screen pixels, the part lies elsewhere: all of it.
    const qreal deviceScale = devicePixelRatioF();
    if (std::abs(devicePixelsPerPixel(m_unit, deviceScale) - m_unit * deviceScale) > 1e-6)
        update();
    else
        update(changed.translated(pictureArea().topLeft()));
}

void PictureView::clear(QRgb colour) {
    if (m_image.size() != m_imageSize)
        m_image = QImage(m_imageSize, QImage::Format_RGB32);
    m_image.fill(colour);
    update();
}

void PictureView::setOverlay(Overlay overlay) {
    m_overlay = std::move(overlay);
    update();
}

QRect PictureView::pictureArea() const {
    const int border = m_bordered ? 1 : 0;
    return rect().adjusted(border, border, -border, -border);
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

QPoint rounded(QPointF point) {
    return {int(std::round(point.x())), int(std::round(point.y()))};
}

} // namespace

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Nearest-neighbour enlargement: the default, stated because the sharp
    // C64 pixels depend on it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QTransform toDevice = painter.deviceTransform();
    const qreal deviceScale = toDevice.m11() > 0 ? toDevice.m11() : devicePixelRatioF();
    const int k = devicePixelsPerPixel(m_unit, deviceScale);
    const QRect widget(rounded(toDevice.map(QPointF(0, 0))),
                       rounded(toDevice.map(QPointF(width(), height()))) - QPoint(1, 1));
    const QRect dirty(rounded(toDevice.map(QPointF(event->rect().topLeft()))),
                      rounded(toDevice.map(QPointF(event->rect().bottomRight() + QPoint(1, 1)))) -
                          QPoint(1, 1));
    const QPoint corner = rounded(toDevice.map(QPointF(pictureArea().topLeft())));
    const QRect picture(corner, m_imageSize / m_unit * k);
    painter.setClipRect(event->rect());
    const bool wholeScale = std::abs(deviceScale - std::round(deviceScale)) < 1e-6;
    if (m_bordered && wholeScale) {
        // A whole number of screen pixels per window pixel (100 %, 200 %):
        // the border is a line of one window pixel round the box.
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.fillRect(pictureArea(), Qt::black);
    }
    // From here on one unit is one screen pixel, so every edge below is a
    // whole screen pixel.
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    painter.setClipRect(widget & dirty);
    if (!m_bordered) {
        // Less than a window pixel beyond the picture: the box's background.
        painter.fillRect(widget, palette().color(QPalette::Window));
    } else if (!wholeScale) {
        // The border band round the picture, as thick at the right and
        // bottom as at the left and top where the box has room: a one-pixel
        // line in the theme's dark colour on its outer edge, black inside.
        const QPoint far = picture.bottomRight() + corner - widget.topLeft();
        const QRect band(widget.topLeft(), QPoint(std::min(far.x(), widget.right()),
                                                  std::min(far.y(), widget.bottom())));
        painter.fillRect(band, palette().color(QPalette::Dark));
        painter.fillRect(band.adjusted(1, 1, -1, -1), Qt::black);
    }
    painter.setClipRect(picture & widget & dirty);
    painter.fillRect(picture, Qt::black);
    if (!m_image.isNull()) {
        if (k == m_unit) {
            painter.drawImage(corner, m_image);
        } else {
            if (m_shown.size() != m_image.size() / m_unit * k ||
                m_shown.text(QStringLiteral("key")) != QString::number(m_image.cacheKey())) {
                m_shown = enlarged(m_image, m_unit, k);
                m_shown.setText(QStringLiteral("key"), QString::number(m_image.cacheKey()));
            }
            painter.drawImage(corner, m_shown);
        }
    }
    if (m_overlay) {
        painter.translate(corner);
        m_overlay(painter, k);
    }
}

} // namespace pixmoth
