#pragma once

#include "sprite/core/capture.h"

#include <QRect>
#include <QString>

namespace pixmoth {

// The view and capture state of the main window. The capture box stays
// inside the picture (see kMaxCaptureLeft), in hi-res pixels times the
// magnification.
struct ViewState {
    int Magnification = 1; // window pixels per hi-res pixel, 1 or 2
    int CaptureX = 0;      // left edge of the capture box, in magnified pixels
    int CaptureY = 0;      // top edge of the capture box, in magnified pixels
    bool AlignToGrid = true;
    bool EraseOnCapture = true;
    bool PictureLoaded = false;
    bool Rescaling = false; // set while a magnification change re-lays out
    int FlashStep = 0;      // the capture frame's place 0..9 in its colour cycle
    QString PositionStatusText;

    // The box's top-left corner in picture pixels: the capture position
    // divided by the magnification and rounded to the nearest whole number,
    // halves to the even neighbour. An odd column is taken one to the left,
    // and a corner beyond the picture's edges (left over from a
    // magnification change made before any picture was loaded) is pulled
    // back inside, so the walk never leaves the bitmap.
    CaptureOrigin origin() const;

    // The pixels the box covers when each hi-res pixel of the picture is
    // `pixelSize` x `pixelSize` pixels, from the picture's top-left corner:
    // the captured pixels, wherever the box is drawn or repainted.
    QRect box(int pixelSize) const;
};

enum class Arrow { Left, Right, Up, Down };

// The capture position after one arrow key: a sprite's width or height
// (times M) with alignment, else one multicolour pixel (2M across, M down),
// kept inside the picture.
void moveCapture(ViewState& state, Arrow arrow);

// Keeps the capture box inside the picture at the state's magnification.
void clampCapture(ViewState& state);

// Half of a position, rounded to the nearest whole number with halves going
// to the even neighbour: 48 -> 24, 5 -> 2, 7 -> 4.
int halveToEven(int value);

// The capture position carried over from magnification `from` to the
// state's magnification: halved (to even) going down, doubled going up.
void rescaleCapture(ViewState& state, int from);

// "Align to grid = ON, Erase on capture = OFF".
QString OptionsStatusText(const ViewState& state);

// The status bar line: the position text, when there is one, before the
// options text.
QString statusLine(const ViewState& state);

} // namespace pixmoth
