#pragma once

#include "sprite/core/picture.h"

#include <QImage>
#include <QString>

namespace pixmoth {

// Where a multicolour pixel lies: bitmap byte n (1..8000) and bit pair 1..4
// counted from the left (pair 1 = bits 7-6).
struct BytePair {
    int byte;
    int pair;
};

// Multicolour pixel (x, y), x = 1..160 from the left, y = 1..200 from the top.
constexpr BytePair locatePixel(int x, int y) {
    return {((y - 1) / 8) * 320 + ((x - 1) / 4) * 8 + ((y - 1) % 8) + 1, ((x - 1) % 4) + 1};
}

// The cell (1..1000) that bitmap byte n belongs to: n / 8 rounded up.
constexpr int cellOfByte(int n) {
    return (n + 7) / 8;
}

// The palette index a bit-pair value (0..3) gives in the cell of bitmap byte
// `iDataByte`: 00 black, 01 screen high nibble, 10 screen low nibble, 11
// colour-RAM low nibble. Other values, and bytes outside the picture's cells,
// give 0.
int GetColour(const Picture& picture, int whatColour, int iDataByte);

// The palette index of pair `pair` of bitmap byte `n` read straight from the
// bytes: bits 7-6 for pair 1 down to bits 1-0 for pair 4.
inline int pairColour(const Picture& picture, int n, int pair) {
    const int bits = (picture.bitmapData[std::size_t(n)] >> (8 - 2 * pair)) & 3;
    return GetColour(picture, bits, n);
}

// The palette index of multicolour pixel (x, y).
inline int pixelColour(const Picture& picture, int x, int y) {
    const BytePair at = locatePixel(x, y);
    return pairColour(picture, at.byte, at.pair);
}

// The whole picture as the C64 shows it: 320M x 200M pixels, every
// multicolour pixel a 2M x M box of its palette colour on black.
QImage renderPicture(const Picture& picture, int magnification);

} // namespace pixmoth
