#include "sprite/core/capture.h"

#include "sprite/core/palette.h"

#include <algorithm>

namespace pixmoth {

CapturePlaces captureWalk(CaptureOrigin origin) {
    const int px = origin.px;
    const int py = origin.py;
    const int startPair = (px % 8) / 2 + 1;
    int rowStart = 1 + 8 * (px / 8) + 320 * (py / 8) + (py % 8);

    CapturePlaces places{};
    int k = 1;
    for (int r = 1; r <= kCaptureRows; ++r) {
        int byte = rowStart;
        int pair = startPair;
        for (int p = 1; p <= kCaptureColumns; ++p, ++k) {
            places[std::size_t(k)] = {byte, pair};
            if (pair == 4) {
                byte += 8;
                pair = 1;
            } else {
                ++pair;
            }
        }
        // From the last pixel row of a cell to the first row of the cell
        // below: one cell row (320 bytes) on, 7 rows back.
        rowStart += (py + r) % 8 == 0 ? 313 : 1;
    }
    return places;
}

QString colourKey(int colour) {
    return QStringLiteral("col%1").arg(colour, 2, 10, QLatin1Char('0'));
}

QList<ColourListEntry> colourListEntries(const CapturedColours& colours) {
    const auto& names = ColourNames();
    QList<ColourListEntry> entries;
    entries.reserve(17);
    entries.append({colourKey(kNoColour), names[kNoColour], kNoColour});
    std::array<bool, 16> listed{};
    for (int k = 1; k <= kCapturedPixels; ++k) {
        const int colour = colours[std::size_t(k)] & 15;
        if (listed[std::size_t(colour)])
            continue;
        listed[std::size_t(colour)] = true;
        entries.append({colourKey(colour), names[std::size_t(colour)], colour});
    }
    return entries;
}

QImage capturePreview(const CapturedColours& colours) {
    QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    for (int r = 1; r <= kCaptureRows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(3 * (r - 1)));
        for (int p = 1; p <= kCaptureColumns; ++p)
            std::fill_n(line + 6 * (p - 1), 6,
                        paletteQRgb(colours[std::size_t(capturedIndex(p, r))]));
        for (int copy = 1; copy < 3; ++copy)
            std::copy(line, line + kPreviewWidth,
                      reinterpret_cast<QRgb*>(image.scanLine(3 * (r - 1) + copy)));
    }
    return image;
}

Capture captureArea(const Picture& picture, CaptureOrigin origin) {
    Capture capture;
    capture.origin = origin;
    const CapturePlaces places = captureWalk(origin);
    for (int k = 1; k <= kCapturedPixels; ++k) {
        const BytePair at = places[std::size_t(k)];
        capture.colours[std::size_t(k)] = quint8(pairColour(picture, at.byte, at.pair));
    }
    capture.listEntries = colourListEntries(capture.colours);
    capture.preview = capturePreview(capture.colours);
    return capture;
}

} // namespace pixmoth
