#include "sprite/core/viewstate.h"

#include "sprite/core/captureframe.h"

#include <algorithm>
#include <cmath>

namespace pixmoth {

namespace {

// nearbyint rounds halves to the even neighbour in the default mode.
int roundedQuotient(int value, int divisor) {
    return int(std::nearbyint(double(value) / double(divisor)));
}

} // namespace

CaptureOrigin ViewState::origin() const {
    const int m = std::max(1, Magnification);
    int px = std::clamp(roundedQuotient(CaptureX, m), 0, kMaxCaptureLeft);
    const int py = std::clamp(roundedQuotient(CaptureY, m), 0, kMaxCaptureTop);
    px -= px % 2;
    return {px, py};
}

QRect ViewState::box(int pixelSize) const {
    const CaptureOrigin at = origin();
    return {at.px * pixelSize, at.py * pixelSize, kSpriteWidth * pixelSize,
            kSpriteHeight * pixelSize};
}

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
    state.CaptureX = std::clamp(state.CaptureX, 0, kMaxCaptureLeft * m);
    state.CaptureY = std::clamp(state.CaptureY, 0, kMaxCaptureTop * m);
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

// The status texts are written once, with the capture frame's.
QString OptionsStatusText(const ViewState& state) {
    return optionsText(state.AlignToGrid, state.EraseOnCapture);
}

QString statusLine(const ViewState& state) {
    return statusLine(state.PositionStatusText, OptionsStatusText(state));
}

} // namespace pixmoth
