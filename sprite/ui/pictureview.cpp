#include "pictureview.h"

#include <QPaintEvent>
#include <QPainter>

namespace pixmoth {

PictureView::PictureView(bool bordered, QWidget* parent) : QWidget(parent), bordered_(bordered) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureView::setImage(QImage image) {
    image_ = std::move(image);
    update();
}

void PictureView::fillBox(const QRect& box, QRgb colour) {
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    painter.fillRect(box, QColor::fromRgb(colour));
    painter.end();
    update(box.translated(pictureArea().topLeft()));
}

void PictureView::changeImage(const std::function<void(QImage&)>& change, const QRect& changed) {
    if (image_.isNull())
        return;
    change(image_);
    update(changed.translated(pictureArea().topLeft()));
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
    if (!image_.isNull()) {
        const QRect shown = QRect(area.topLeft(), image_.size()) & area;
        painter.drawImage(shown, image_, QRect(QPoint(0, 0), shown.size()));
    }
    if (overlay_) {
        painter.translate(area.topLeft());
        overlay_(painter);
    }
}

} // namespace pixmoth
