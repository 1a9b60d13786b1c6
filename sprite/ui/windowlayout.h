#pragma once

#include <QRect>
#include <QSize>

namespace pixmoth {

// Where the main window's controls sit, in pixels of the window's client
// area (below the menu bar, above the status bar). Controls inside a frame
// are placed relative to their frame.
struct WindowLayout {
    QRect picStd;       // the picture (320M x 200M at 100 %) plus a one-pixel border
    QRect Frame1;       // holds the sprite preview
    QRect picCapture;   // the preview (72 x 63 at 100 %), centred in Frame1
    QRect Frame3;       // the three colour lists
    QRect Frame2;       // "Output"
    QRect cmdGenerate;  // below Frame2
    QRect ProgressBar1; // below the picture, the client area's full width
    QSize client;       // exactly what the controls need
};

// The places at magnification `magnification` (1 or 2) on a screen of
// `deviceScale` screen pixels per window pixel. The picture boxes fit their
// pictures as drawn there (shownSize): the picture grows with the
// magnification; the column of frames keeps its size and moves along the
// picture's right edge.
// `columnExtra` widens the column for captions wider than their places.
WindowLayout controlPlaces(int magnification, qreal deviceScale = 1.0, int columnExtra = 0);

// The fixed places inside the frames.
struct FramePlaces {
    static constexpr int kColumnWidth = 170;
    static constexpr QRect Label1{6, 11, 58, 17};
    static constexpr QRect cboCol1{67, 8, 96, 22};
    static constexpr QRect Label3{6, 35, 58, 17};
    static constexpr QRect cboCol2{67, 32, 96, 22};
    static constexpr QRect Label5{6, 59, 58, 17};
    static constexpr QRect cboCol3{67, 56, 96, 22};
    static constexpr QRect opbOutput0{56, 5, 50, 20};
    static constexpr QRect opbOutput1{106, 5, 60, 20};
};

} // namespace pixmoth
