#pragma once

// The picture decoding done the long way, through binary digit strings: the
// plain reference that the tests hold the fast bit arithmetic of the program
// against.

#include "sprite/core/picture.h"

#include <QString>
#include <QtGlobal>

namespace pixmoth {

// A number's lowest eight binary digits, most significant first:
// 5 -> "00000101", 300 -> "00101100"; negative numbers give "00000000".
QString DecToBin(qint32 n);

// The palette index of bit pair `iNum` (1..4) of the binary text `sBits` of
// bitmap byte `iDataByte`; 0 for any other pair number.
int AnalyzeBits(const Picture& picture, const QString& sBits, int iNum, int iDataByte);

} // namespace pixmoth
