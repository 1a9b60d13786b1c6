#include "sprite/core/spritedata.h"

namespace pixmoth {

namespace {

constexpr int kSpriteBytes = 64;
constexpr int kDataBytes = 63;

// Pixels of the picture's colour 0..15 can only match a choice in that range;
// "[none]" and the no-selection value never do.
bool chosen(int colour, int choice) {
    return choice >= 0 && choice <= 15 && colour == choice;
}

QString hexItem(quint8 value) {
    return QStringLiteral("$%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString binaryItem(quint8 value) {
    return QStringLiteral("%%1").arg(value, 8, 2, QLatin1Char('0'));
}

QString writeLines(const SpriteBytes& bytes, int perLine, QString (*item)(quint8)) {
    QString text;
    text.reserve(800);
    for (int i = 0; i < kSpriteBytes; ++i) {
        const bool lineStart = i % perLine == 0;
        if (lineStart && i > 0)
            text += QStringLiteral("\r\n");
        text += lineStart ? QStringLiteral(".byte ") : QStringLiteral(",");
        text += item(bytes[std::size_t(i)]);
    }
    return text;
}

} // namespace

int choiceFromKey(const QString& key) {
    if (key.isNull() || !key.startsWith(QLatin1String("col")))
        return kNoSelection;
    bool ok = false;
    const int choice = key.mid(3).toInt(&ok);
    return ok ? choice : kNoSelection;
}

int spritePair(int colour, const SpriteChoices& choices) {
    if (chosen(colour, choices.d025))
        return 0b01;
    if (chosen(colour, choices.d026))
        return 0b11;
    if (chosen(colour, choices.d02x))
        return 0b10;
    return 0b00;
}

SpriteBytes encodeSprite(const CapturedColours& colours, const SpriteChoices& choices) {
    SpriteBytes bytes{};
    for (int k = 1; k <= kCapturedPixels; ++k) {
        const int byte = (k - 1) / 4;
        const int shift = 6 - 2 * ((k - 1) % 4);
        bytes[std::size_t(byte)] |= quint8(spritePair(colours[std::size_t(k)], choices) << shift);
    }
    bytes[kDataBytes] = 0;
    return bytes;
}

QString spriteText(const SpriteBytes& bytes, SpriteNotation notation) {
    // Binary lines hold one sprite row; the padding byte then stands alone.
    if (notation == SpriteNotation::Binary)
        return writeLines(bytes, 3, binaryItem);
    return writeLines(bytes, 8, hexItem);
}

QList<QPoint> eraseCapturedPixels(Picture& picture, CaptureOrigin origin,
                                  const SpriteChoices& choices) {
    static constexpr quint8 kKeepOthers[] = {0x3F, 0xCF, 0xF3, 0xFC};
    const CapturePlaces places = captureWalk(origin);
    QList<QPoint> erased;
    for (int r = 1; r <= kCaptureRows; ++r) {
        for (int p = 1; p <= kCaptureColumns; ++p) {
            const BytePair at = places[std::size_t(capturedIndex(p, r))];
            const int colour = pairColour(picture, at.byte, at.pair);
            if (!chosen(colour, choices.d02x) && !chosen(colour, choices.d025) &&
                !chosen(colour, choices.d026))
                continue;
            picture.bitmapData[std::size_t(at.byte)] &= kKeepOthers[at.pair - 1];
            erased.append(QPoint(origin.px / 2 + p, origin.py + r));
        }
    }
    return erased;
}

void paintErasedPixels(QImage& view, const QList<QPoint>& pixels, int magnification) {
    const int m = magnification < 1 ? 1 : magnification;
    const QRgb black = qRgb(0, 0, 0);
    for (const QPoint& pixel : pixels) {
        const int left = 2 * m * (pixel.x() - 1);
        const int top = m * (pixel.y() - 1);
        for (int y = top; y < top + m && y < view.height(); ++y)
            for (int x = left; x < left + 2 * m && x < view.width(); ++x)
                view.setPixel(x, y, black);
    }
}

GeneratedSprite GenerateSpriteData(Picture& picture, const Capture& capture,
                                   const SpriteChoices& choices, SpriteNotation notation,
                                   bool eraseOnCapture) {
    GeneratedSprite result;
    result.text = spriteText(encodeSprite(capture.colours, choices), notation);
    if (eraseOnCapture)
        result.erasedPixels = eraseCapturedPixels(picture, capture.origin, choices);
    return result;
}

} // namespace pixmoth
