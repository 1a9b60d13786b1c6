#pragma once

#include "sprite/core/decode.h"
#include "sprite/core/picture.h"

#include <QImage>
#include <QList>
#include <QString>

#include <array>

namespace pixmoth {

// The capture box is one C64 sprite: 24 x 21 hi-res pixels, that is 12 x 21
// multicolour pixels, 252 in all.
constexpr int kSpriteWidth = 24;
constexpr int kSpriteHeight = 21;
constexpr int kCaptureColumns = kSpriteWidth / 2;
constexpr int kCaptureRows = kSpriteHeight;
constexpr int kCapturedPixels = kCaptureColumns * kCaptureRows;

// Highest top-left corner, in picture pixels, that keeps the box inside the
// 320 x 200 picture: 296 across, 179 down.
constexpr int kMaxCaptureLeft = 320 - kSpriteWidth;
constexpr int kMaxCaptureTop = 200 - kSpriteHeight;

// Size of the enlarged preview: every captured pixel is a 6 x 3 box.
constexpr int kPreviewWidth = 6 * kCaptureColumns;
constexpr int kPreviewHeight = 3 * kCaptureRows;

// Entry k of the captured area, 1..252, counted row by row from the top, 12
// per row, leftmost first: captured pixel (p, r), p = 1..12, r = 1..21.
constexpr int capturedIndex(int p, int r) {
    return kCaptureColumns * (r - 1) + p;
}

// The palette indexes of the captured pixels, indexes 1..252 (see
// capturedIndex); index 0 is not used. All 0 before the first capture.
using CapturedColours = std::array<quint8, kCapturedPixels + 1>;

// The bitmap byte and bit pair of every captured pixel, indexed like
// CapturedColours.
using CapturePlaces = std::array<BytePair, kCapturedPixels + 1>;

// The box's top-left corner in picture pixels: px is a hi-res column 0..296
// (always even, so the box starts on a multicolour pixel), py a row 0..179.
struct CaptureOrigin {
    int px = 0;
    int py = 0;
    bool operator==(const CaptureOrigin&) const = default;
};

// The capture walk: where each captured pixel lies in the bitmap. Captured
// pixel (p, r) is multicolour pixel (px / 2 + p, py + r) of the picture.
// Each row starts at its start byte with the origin's pair; after pair 4 the
// walk goes on with pair 1 of the byte 8 further on (the next cell), and the
// next row starts 313 bytes on when it is the first row of a cell row, else
// 1 byte on.
CapturePlaces captureWalk(CaptureOrigin origin);

// One entry of the three colour lists.
struct ColourListEntry {
    QString key;  // "col00" .. "col15", "col16" for "[none]"
    QString text; // the colour's name
    int colour;   // palette index 0..15, or kNoColour for "[none]"

    // The entry's picture in the 1-based list of 17 swatches.
    int image() const { return colour + 1; }
    bool operator==(const ColourListEntry&) const = default;
};

// The list key of a palette index: "col" and two decimal digits.
QString colourKey(int colour);

// The colour lists after a capture: "[none]" first, then every colour of the
// area once, in the order in which the walk first meets it.
QList<ColourListEntry> colourListEntries(const CapturedColours& colours);

// The area enlarged: 72 x 63 pixels, captured pixel (p, r) filling the 6 x 3
// box from (6(p - 1), 3(r - 1)).
QImage capturePreview(const CapturedColours& colours);

// Everything one position of the box gives.
struct Capture {
    CaptureOrigin origin;
    CapturedColours colours{};
    QList<ColourListEntry> listEntries;
    QImage preview;
};

// Reads the area under the box at `origin`: the colours, the list entries
// and the preview.
Capture captureArea(const Picture& picture, CaptureOrigin origin);

} // namespace pixmoth
