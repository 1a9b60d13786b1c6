#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

#include <limits>
#include <optional>

// The PRG file: two location bytes, low byte first, that give the C64
// address the data loads at, then the data bytes. The byte at file offset
// p >= 2 lies at the address loadAddress + p - 2.
namespace prg {

// What the inspection learns of a PRG file: its length and the two location
// bytes that give its load address.
struct PrgHeader {
    qint64 size = 0;
    quint8 low = 0;
    quint8 high = 0;

    int loadAddress() const { return low | (high << 8); }
};

// The load address as four upper-case digits, high byte first: 01 08 -> "0801".
QString loadAddressText(quint8 low, quint8 high);

// Reads the size and the first two bytes of `path`, opening it for reading
// only. Nothing when the path is not an ordinary file of at least two bytes
// or cannot be read; never creates, changes or blocks on a file.
std::optional<PrgHeader> inspectPrg(const QString& path);

// The four lines of the PRG-info box, joined by CR LF.
QString prgInfoText(const PrgHeader& header);

// AnalyseraPRG: the text of the PRG-info box for `path`, or "N/A".
QString AnalyseraPRG(const QString& path);

// An inclusive window of C64 addresses ("$c000 - $cfff"), as typed.
struct AddressWindow {
    int start = 0;
    int end = 0;
};

// No data byte lies below the load address: a window that starts there
// starts at the load address instead. True when the start was moved, which
// the person is told.
bool restrictStart(AddressWindow& window, int loadAddress);

// The file offsets first <= p < stop whose data bytes are taken. `stop` may
// lie beyond the file and is never below `first`.
struct DataSpan {
    qint64 first = 2;
    qint64 stop = std::numeric_limits<qint64>::max();
};

// KollaLimit for a whole file at once: the data bytes of a PRG with this
// load address that lie in the window, both ends included. Addresses grow
// with the offset, so they form one run: the first byte past the end stops
// the reading. A PRG that loads at $0000 is taken whole, window or not, and
// so is any PRG without a window.
DataSpan KollaLimit(int loadAddress, const std::optional<AddressWindow>& window);

// The two location bytes written in front of a range so that it loads at
// another address.
struct LocationBytes {
    quint8 low = 0;
    quint8 high = 0;
};

// The location bytes of the address a typed text gives as a number: 1 to 4
// hexadecimal digits in either case, so "801" is $0801 (01 08) and "C000" is
// $C000 (00 C0). Any other text (empty, with blanks, five digits, "zz") is
// refused with "Invalid new location address".
Outcome<LocationBytes> newLocationBytes(const QString& text, const QString& source);

} // namespace prg
