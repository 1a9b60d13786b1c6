#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace prg {

// True when `text` is exactly four of the characters 0-9 a-f. Upper-case
// letters are refused: addresses are typed in lower case.
bool Kontrollera4HEX(const QString& text);

// The C64 address of a text that passes Kontrollera4HEX; nothing otherwise.
std::optional<int> fourDigitAddress(const QString& text);

// The number a hexadecimal text denotes, either letter case; the empty text
// is 0. Four digits always read as unsigned (ffff is 65535). A text that is
// not hexadecimal, or whose value does not fit 32 signed bits, fails.
Outcome<qint32> HexToDec(const QString& text, const QString& source);

// A byte as two upper-case hexadecimal digits: 0 -> "00", 171 -> "AB".
QString Omvandla(quint8 value);

// A non-negative number in upper-case hexadecimal without leading zeros.
QString upperHex(qint64 value);

} // namespace prg
