#include "testsupport/bitstrings.h"

#include "sprite/core/decode.h"
#include "sprite/core/palette.h"

namespace pixmoth {

QString DecToBin(qint32 n) {
    QString digits(8, QLatin1Char('0'));
    if (n <= 0)
        return digits;
    for (int i = 7; i >= 0; --i, n >>= 1)
        digits[i] = (n & 1) ? QLatin1Char('1') : QLatin1Char('0');
    return digits;
}

qint32 BinToDec(const QString& s) {
    qint32 value = 0;
    for (QChar c : s)
        value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
    return value;
}

bool IsWholeNumber(const QString& text) {
    if (text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(',')))
        return false;
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

qint32 SkippaDecimaler(QString& strVal, bool addOneIfDecimals) {
    strVal.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype dot = strVal.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return strVal.toInt();
    return strVal.left(dot).toInt() + (addOneIfDecimals ? 1 : 0);
}

int AnalyzeBits(const Picture& picture, const QString& sBits, int iNum, int iDataByte) {
    const QString pair = (iNum >= 1 && iNum <= 4) ? sBits.mid(2 * (iNum - 1), 2) : QString();
    const int colour = GetColour(picture, BinToDec(pair), iDataByte);
    return (colour >= 0 && colour <= 15) ? colour : 0;
}

qint32 PaletteRgb(qint32 index) {
    const QRgb c = paletteQRgb(index); // black outside the palette
    return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c);
}

} // namespace pixmoth
