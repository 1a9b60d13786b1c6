#include "sprite/ui/windowlayout.h"

#include "sprite/core/capture.h"
#include "sprite/ui/pictureview.h"

namespace pixmoth {

namespace {

constexpr int kFrame1Height = 72;
constexpr int kFrame3Height = 80;
constexpr int kFrame2Height = 30;
constexpr int kButtonHeight = 21;
constexpr int kProgressHeight = 7;

} // namespace

WindowLayout controlPlaces(int magnification, qreal deviceScale, int columnExtra) {
    const int m = magnification;
    WindowLayout l;
    // The picture area plus its border, one pixel in from the corner.
    l.picStd =
        QRect(QPoint(1, 1), shownSize(QSize(320 * m, 200 * m), m, deviceScale) + QSize(2, 2));
    // Each hi-res pixel of the preview is 3 x 3 image pixels.
    const QSize preview = shownSize(QSize(kPreviewWidth, kPreviewHeight), 3, deviceScale);

    // The frames share the picture's right border column.
    const int left = l.picStd.left() + l.picStd.width() - 1;
    const int width = FramePlaces::kColumnWidth + std::max(0, columnExtra);
    l.Frame1 = QRect(left, 1, width, kFrame1Height);
    l.picCapture = QRect(
        QPoint((width - preview.width()) / 2, (kFrame1Height - preview.height()) / 2), preview);
    l.Frame3 = QRect(left, l.Frame1.bottom() + 1, width, kFrame3Height);
    l.Frame2 = QRect(left, l.Frame3.bottom() + 1, width, kFrame2Height);
    l.cmdGenerate =
        QRect(left + 1, l.Frame2.top() + l.Frame2.height() - 1, width - 2, kButtonHeight);

    const int clientWidth = left + width;
    l.ProgressBar1 = QRect(0, l.picStd.top() + l.picStd.height() + 2, clientWidth, kProgressHeight);
    const int bottom = std::max(l.ProgressBar1.bottom(), l.cmdGenerate.bottom());
    l.client = QSize(clientWidth, bottom + 2);
    return l;
}

} // namespace pixmoth
