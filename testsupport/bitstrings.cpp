#include "testsupport/bitstrings.h"

#include "sprite/core/decode.h"

namespace pixmoth {

QString DecToBin(qint32 n) {
    QString digits(8, QLatin1Char('0'));
    if (n <= 0)
        return digits;
    for (int i = 7; i >= 0; --i, n >>= 1)
        digits[i] = (n & 1) ? QLatin1Char('1') : QLatin1Char('0');
    return digits;
}

int AnalyzeBits(const Picture& picture, const QString& sBits, int iNum, int iDataByte) {
    const QString pair = (iNum >= 1 && iNum <= 4) ? sBits.mid(2 * (iNum - 1), 2) : QString();
    int value = 0; // the pair's binary digits read as a number
    for (QChar c : pair)
        value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
    const int colour = GetColour(picture, value, iDataByte);
    return (colour >= 0 && colour <= 15) ? colour : 0;
}

} // namespace pixmoth
