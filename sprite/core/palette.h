#pragma once

#include <QRgb>
#include <QString>

#include <array>

namespace pixmoth {

// Palette index 16 stands for "no colour" in the colour lists.
constexpr int kNoColour = 16;

// The 17 names of the colour lists: "Black" .. "L Grey", then "[none]".
const std::array<QString, 17>& ColourNames();

// The screen colour of a palette index as a QRgb, opaque; black outside
// 0..15.
QRgb paletteQRgb(int index);

} // namespace pixmoth
