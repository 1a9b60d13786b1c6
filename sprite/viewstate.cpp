#include "viewstate.h"

#include <algorithm>

namespace pixmoth {

void moveCapture(ViewState& state, Arrow arrow) {
    const int m = state.Magnification;
    const int across = state.AlignToGrid ? kSpriteWidth * m : 2 * m;
    const int down = state.AlignToGrid ? kSpriteHeight * m : m;
    switch (arrow) {
    case Arrow::Left:
        state.CaptureX -= across;
        break;
    case Arrow::Right:
        state.CaptureX += across;
        break;
    case Arrow::Up:
        state.CaptureY -= down;
        break;
    case Arrow::Down:
        state.CaptureY += down;
        break;
    }
    clampCapture(state);
}

void clampCapture(ViewState& state) {
    const int m = state.Magnification;
    state.CaptureX = std::clamp(state.CaptureX, 0, kMaxCaptureX * m);
    state.CaptureY = std::clamp(state.CaptureY, 0, kMaxCaptureY * m);
}

int halveToEven(int value) {
    const int half = value / 2;
    if (value % 2 == 0)
        return half;
    // value = 2 * half + 1 (or - 1 below zero): the two neighbours of the
    // exact half are half and half +- 1; take the even one.
    const int other = value > 0 ? half + 1 : half - 1;
    return half % 2 == 0 ? half : other;
}

void rescaleCapture(ViewState& state, int from) {
    if (state.Magnification == from)
        return;
    if (state.Magnification < from) {
        state.CaptureX = halveToEven(state.CaptureX);
        state.CaptureY = halveToEven(state.CaptureY);
    } else {
        state.CaptureX *= 2;
        state.CaptureY *= 2;
    }
}

QString OptionsStatusText(const ViewState& state) {
    const auto onOff = [](bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); };
    return QStringLiteral("Align to grid = %1, Erase on capture = %2")
        .arg(onOff(state.AlignToGrid), onOff(state.EraseOnCapture));
}

QString positionStatusText(const ViewState& state) {
    const double m = state.Magnification;
    return QStringLiteral("x=%1, y=%2")
        .arg(QString::number(state.CaptureX / m), QString::number(state.CaptureY / m));
}

QString statusLine(const ViewState& state) {
    const QString options = OptionsStatusText(state);
    if (state.PositionStatusText.isEmpty())
        return options;
    return state.PositionStatusText + QStringLiteral(", ") + options;
}

} // namespace pixmoth
