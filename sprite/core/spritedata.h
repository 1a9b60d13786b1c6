#pragma once

#include "sprite/core/capture.h"
#include "sprite/core/palette.h"
#include "sprite/core/picture.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

#include <array>

namespace pixmoth {

// The choice of a colour list that has no selected entry; like "[none]" (16)
// it matches no pixel.
constexpr int kNoSelection = 99;

// The choice a colour list gives: the number after "col" in the key of its
// selected entry ("col05" -> 5, "col16" -> 16). A null key stands for a list
// without a selected entry and gives kNoSelection, as does a key that is not
// "col" and a number.
int choiceFromKey(const QString& key);

// The colours chosen for the three sprite colour registers.
struct SpriteChoices {
    int d025 = kNoColour; // sprite multicolour 0, bit pair 01
    int d026 = kNoColour; // sprite multicolour 1, bit pair 11
    int d02x = kNoColour; // the sprite's own colour, $d027-$d02e, bit pair 10
};

// The bit pair (0..3) a pixel of palette colour `colour` gets: 01 for the
// $d025 colour, else 11 for $d026, else 10 for $d027-2e, else 00
// (transparent). A colour chosen in two lists takes the first in that order.
int spritePair(int colour, const SpriteChoices& choices);

// One C64 multicolour sprite: 21 rows of 3 bytes, then a padding byte of 0.
using SpriteBytes = std::array<quint8, 64>;

// The captured area encoded: byte k (0-based) holds captured pixels
// 4k + 1 .. 4k + 4, the leftmost in bits 7-6.
SpriteBytes encodeSprite(const CapturedColours& colours, const SpriteChoices& choices);

enum class SpriteNotation { Hex, Binary };

// The 64 bytes as ".byte " lines separated by CR LF, without a line end after
// the last. Hex: 8 lines of 8 "$XX" items (310 characters). Binary: 21 lines
// of one sprite row as "%dddddddd" items, then ".byte %00000000" (792
// characters).
QString spriteText(const SpriteBytes& bytes, SpriteNotation notation);

// Clears from `picture` every pixel of the area at `origin` whose current
// colour is one of the three chosen colours: its bit pair becomes 00, which
// always shows black. Returns the multicolour pixels (x 1..160, y 1..200)
// that were cleared, in walk order, so the view can paint them black.
QList<QPoint> eraseCapturedPixels(Picture& picture, CaptureOrigin origin,
                                  const SpriteChoices& choices);

// Paints multicolour pixels black in a view of the picture drawn at
// `magnification`: each is the 2M x M box it covers there.
void paintErasedPixels(QImage& view, const QList<QPoint>& pixels, int magnification);

// What one press of the generate button gives.
struct GeneratedSprite {
    QString text;
    QList<QPoint> erasedPixels; // empty when erasing is off
};

// Encodes and writes the captured area and, when `eraseOnCapture` is set,
// clears the chosen colours' pixels of the area from `picture`. The caller
// then paints the erased pixels black and captures the area again.
GeneratedSprite GenerateSpriteData(Picture& picture, const Capture& capture,
                                   const SpriteChoices& choices, SpriteNotation notation,
                                   bool eraseOnCapture);

} // namespace pixmoth
