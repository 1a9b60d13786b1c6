#pragma once

// The picture decoding done the long way, through binary digit strings and
// decimal number texts: the plain reference that the tests hold the fast
// bit arithmetic of the program against.

#include "sprite/core/picture.h"

#include <QString>
#include <QtGlobal>

namespace pixmoth {

// A number's lowest eight binary digits, most significant first:
// 5 -> "00000101", 300 -> "00101100"; negative numbers give "00000000".
QString DecToBin(qint32 n);

// The value of a string of binary digits; any character but "1" counts 0,
// and the empty string is 0.
qint32 BinToDec(const QString& s);

// True for a valid number written without a decimal separator ("2", "1000"),
// false for "0.125", "0,125" or "abc".
bool IsWholeNumber(const QString& text);

// The whole part of a non-negative number text, plus one when the text has
// a fractional part and `addOneIfDecimals` is set ("2,25" -> 2 or 3; "3.0"
// -> 3 or 4). Every "," in `strVal` becomes "." first.
qint32 SkippaDecimaler(QString& strVal, bool addOneIfDecimals);

// The palette index of bit pair `iNum` (1..4) of the binary text `sBits` of
// bitmap byte `iDataByte`; 0 for any other pair number.
int AnalyzeBits(const Picture& picture, const QString& sBits, int iNum, int iDataByte);

// The screen colour of a palette index as one number, red + 256 green +
// 65536 blue; any index outside 0..15 gives 0 (black).
qint32 PaletteRgb(qint32 index);

} // namespace pixmoth
