#include "sprite/core/captureframe.h"

#include "sprite/core/palette.h"

#include <QPainter>

namespace pixmoth {

std::array<QLine, 8> captureFrameSegments(int captureX, int captureY, int magnification) {
    const int x = captureX;
    const int y = captureY;
    const int m = magnification;
    // At M = 2 the right and bottom marks move one pixel out, onto the last
    // screen pixel of the box's last hi-res column and row.
    const int e = m == 2 ? 1 : 0;
    const int right = x + e + 23 * m;
    const int bottom = y + e + 20 * m;
    return {{
        {x, y, x + 4 * m, y},
        {x, y, x, y + 4 * m},
        {x + e + 20 * m, y, right, y},
        {right, y, right, y + 4 * m},
        {x, bottom, x + 4 * m, bottom},
        {x, y + e + 18 * m, x, bottom},
        {x + e + 20 * m, bottom, right, bottom},
        {right, y + e + 18 * m, right, bottom},
    }};
}

void paintCaptureFrame(QPainter& painter, int captureX, int captureY, int magnification,
                       int colour) {
    const QColor rgb = QColor::fromRgb(paletteQRgb(colour));
    for (const QLine& segment : captureFrameSegments(captureX, captureY, magnification))
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
