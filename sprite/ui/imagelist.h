#pragma once

#include <QImage>

namespace pixmoth {

// The image list of the colour lists: 17 images of 16 x 16 pixels. Images
// 1..16 are swatches of palette colours 0..15: a one-pixel frame in the
// list's text colour `frame`, so that White shows on a light list and Black
// on a dark one, round the exact palette colour. Image 17, the picture for
// "[none]", is a red diagonal cross from corner to corner on white.
constexpr int kImageListSize = 17;
constexpr int kImageSide = 16;
constexpr QRgb kCrossRed = qRgb(232, 0, 0);

// Image `image` (1..17); a null image for any other number.
QImage ImageListImage(int image, QRgb frame);

} // namespace pixmoth
