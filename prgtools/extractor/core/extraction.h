#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace slivra {

// The program's own name: the source of the failures it raises itself.
inline const QString kProgram = QStringLiteral("Slivra");

// What one extraction needs, checked and with the range as numbers.
struct ExtractRequest {
    QString input;  // the PRG file read
    QString output; // the range file written
    int start = 0;  // first C64 address taken (inclusive)
    int end = 0;    // last C64 address taken (inclusive)
    bool includeLocation = false;
    QString newLocation; // the address of the new location bytes, as typed
};

// The two new location bytes, low byte first, of the address that the typed
// text gives as a number: 1 to 4 hexadecimal digits in either case, so "801"
// is $0801 (01 08) and "C000" is $C000 (00 C0). Any other text (empty, with
// blanks, five digits, "zz") gives no bytes.
struct LocationBytes {
    quint8 low = 0;
    quint8 high = 0;
};
std::optional<LocationBytes> newLocationBytes(const QString& text);

// Copies the data bytes of `input` whose C64 addresses lie in start..end into
// `output`, behind the new location bytes when they are included and the
// input holds at least one data byte. A PRG loading at $0000 gives all of its
// data. Reading stops at the first byte past the range. The input is read in
// blocks, so memory use does not depend on the file's size.
//
// An output that names the input (however spelt) or is not an ordinary file,
// and a new location that gives no location bytes while they are included,
// are refused before anything is opened. The output replaces an existing file
// only when it is complete; after a failure the old file is as it was.
// A start before the load address is moved to it, and `events` hears of it.
// Returns the number of data bytes written.
prg::Outcome<qint64> extractRange(const ExtractRequest& request,
                                  const prg::ConversionEvents& events = {});

} // namespace slivra
