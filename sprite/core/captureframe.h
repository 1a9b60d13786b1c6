#pragma once

#include <QLine>
#include <QRect>
#include <QString>

#include <array>

class QPainter;

namespace pixmoth {

// The frame's colour cycle, one palette index per timer tick: black, dark,
// mid and light grey, yellow, white and back, so it pulses once a second.
constexpr std::array<int, 10> kFlashColours = {0, 11, 12, 15, 7, 1, 7, 15, 12, 11};

// The step after `flashStep` (0..9), wrapping after the tenth.
constexpr int nextFlashStep(int flashStep) {
    return flashStep + 1 > 9 ? 0 : flashStep + 1;
}

// The eight one-pixel segments of the capture frame, both ends included,
// for the box `box` (the pixels it covers) at `pixelSize` pixels per hi-res
// pixel. Four corner marks sit on the box's outermost pixels, their arms
// 4, 3, 4 and 2 hi-res pixels long; in order: top left horizontal and
// vertical, top right, bottom left, bottom right.
std::array<QLine, 8> captureFrameSegments(const QRect& box, int pixelSize);

// Draws the frame's segments in palette colour `colour`. The segments are
// axis-aligned, so each is filled as a one-pixel-wide rectangle, which gives
// exactly the pixels from one end to the other.
void paintCaptureFrame(QPainter& painter, const QRect& box, int pixelSize, int colour);

// "x=" and captureX / M, ", y=" and captureY / M, each in its shortest
// decimal form ("x=24, y=21", or "x=1.5, y=0" for an odd corner at M = 2).
QString positionText(int captureX, int captureY, int magnification);

// "Align to grid = ON, Erase on capture = OFF" and so on.
QString optionsText(bool alignToGrid, bool eraseOnCapture);

// The status bar's line: the position text, ", " and the options text, or the
// options text alone while there is no position text yet.
QString statusLine(const QString& position, const QString& options);

} // namespace pixmoth
