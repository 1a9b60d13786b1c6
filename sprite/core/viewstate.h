#pragma once

#include <QString>

namespace pixmoth {

// The capture box is one C64 sprite, 24 x 21 hi-res pixels, and stays inside
// the 320 x 200 picture: its top-left corner goes from 0 to 296 across and
// from 0 to 179 down, in hi-res pixels times the magnification.
constexpr int kSpriteWidth = 24;
constexpr int kSpriteHeight = 21;
constexpr int kMaxCaptureX = 320 - kSpriteWidth;
constexpr int kMaxCaptureY = 200 - kSpriteHeight;

// The view and capture state of the main window.
struct ViewState {
    int Magnification = 1; // screen pixels per hi-res pixel, 1 or 2
    int CaptureX = 0;      // left edge of the capture box, in magnified pixels
    int CaptureY = 0;      // top edge of the capture box, in magnified pixels
    bool AlignToGrid = true;
    bool EraseOnCapture = true;
    bool PictureLoaded = false;
    bool Rescaling = false; // set while a magnification change re-lays out
    int FlashStep = 0;      // the capture frame's place 0..9 in its colour cycle
    QString PositionStatusText;
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
