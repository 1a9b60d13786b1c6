#include "sprite/core/captureframe.h"

#include "sprite/core/palette.h"

#include <QPainter>

namespace pixmoth {

std::array<QLine, 8> captureFrameSegments(const QRect& box, int pixelSize) {
    const int x = box.left();
    const int y = box.top();
    const int right = box.right();
    const int bottom = box.bottom();
    const int k = pixelSize;
    return {{
        {x, y, x + 4 * k, y},
        {x, y, x, y + 4 * k},
        {right - 3 * k, y, right, y},
        {right, y, right, y + 4 * k},
        {x, bottom, x + 4 * k, bottom},
        {x, bottom - 2 * k, x, bottom},
        {right - 3 * k, bottom, right, bottom},
        {right, bottom - 2 * k, right, bottom},
    }};
}

void paintCaptureFrame(QPainter& painter, const QRect& box, int pixelSize, int colour) {
    const QColor rgb = QColor::fromRgb(paletteQRgb(colour));
    for (const QLine& segment : captureFrameSegments(box, pixelSize))
        painter.fillRect(QRect(segment.p1(), segment.p2()).normalized(), rgb);
}

QString positionText(int captureX, int captureY, int magnification) {
    const double m = magnification < 1 ? 1 : magnification;
    // 'g' with enough digits writes whole numbers without a fraction and
    // halves as "x.5", the shortest form of every quotient by 1 or 2.
    return QStringLiteral("x=%1, y=%2")
        .arg(QString::number(captureX / m, 'g', 12), QString::number(captureY / m, 'g', 12));
}

QString optionsText(bool alignToGrid, bool eraseOnCapture) {
    const auto onOff = [](bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); };
    return QStringLiteral("Align to grid = %1, Erase on capture = %2")
        .arg(onOff(alignToGrid), onOff(eraseOnCapture));
}

QString statusLine(const QString& position, const QString& options) {
    if (position.isEmpty())
        return options;
    return position + QStringLiteral(", ") + options;
}

} // namespace pixmoth
