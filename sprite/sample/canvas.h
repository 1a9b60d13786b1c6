#pragma once

#include "sprite/core/picture.h"

#include <QByteArray>
#include <QtGlobal>

#include <array>

namespace pixmoth {

// A multicolour picture as palette indexes: 160 x 200 multicolour pixels,
// (0, 0) at the top left. 0 is the black background.
struct Canvas {
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 200;
    std::array<quint8, kWidth * kHeight> pixels{};

    quint8& at(int x, int y) { return pixels[std::size_t(y * kWidth + x)]; }
    quint8 at(int x, int y) const { return pixels[std::size_t(y * kWidth + x)]; }
};

// Turns a canvas into the bytes of a picture: in each 4 x 8 cell the colours
// other than black get bit pairs 01, 10 and 11 in the order they first
// appear, written to the screen byte's high and low nibble and the colour
// byte's low nibble. False, with `picture` partly written, when a cell holds
// more than three colours besides black, which a multicolour bitmap cannot show.
bool encodeCanvas(const Canvas& canvas, Picture& picture);

// A picture file of 10050 bytes: load address (low byte first), 1024 colour
// bytes, 1024 screen bytes and bitmap bytes 1..8000.
QByteArray pictureFileBytes(const Picture& picture, quint16 loadAddress);

} // namespace pixmoth
