#pragma once

#include "failure.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace slivra {

// The program's own name: the source of the failures it raises itself.
inline const QString kProgram = QStringLiteral("Slivra");

// What one extraction needs, as the window holds it.
struct ExtractRequest {
    QString input;  // the PRG file read
    QString output; // the range file written
    int start = 0;  // first C64 address taken (inclusive)
    int end = 0;    // last C64 address taken (inclusive)
    bool includeLocation = false;
    QString newLocation; // the address of the new location bytes, as typed
};

// The moments the window is told about while an extraction runs.
struct ExtractHooks {
    // The input and output are open; the bytes are about to be read.
    std::function<void()> converting;
    // The start lay before the PRG's load address (four upper-case digits,
    // "C000"); the extraction starts at the load address instead.
    std::function<void(const QString& loadAddress)> startRestricted;
    // A new-location text that is not hexadecimal; the byte becomes 0.
    std::function<void(const prg::Failure&)> hexFailure;
};

// The two new location bytes from the first and the last two characters of
// the typed text: "5800" gives 00 58, "801" gives 01 80, "5" gives 05 05 and
// the empty text 00 00. A part that is not hexadecimal is reported and gives 0.
struct LocationBytes {
    quint8 low = 0;
    quint8 high = 0;
};
LocationBytes newLocationBytes(const QString& text,
                               const std::function<void(const prg::Failure&)>& hexFailure);

// Copies the data bytes of `input` whose C64 addresses lie in start..end into
// `output`, behind the new location bytes when they are included and the
// input holds at least one data byte. A PRG loading at $0000 gives all of its
// data. Reading stops at the first byte past the range. The input is read in
// blocks, so memory use does not depend on the file's size.
//
// An output that names the input (however spelt) or is not an ordinary file
// is refused before anything is opened. The output replaces an existing file
// only when it is complete; after a failure the old file is as it was.
// Returns the number of data bytes written.
prg::Outcome<qint64> extractRange(const ExtractRequest& request, const ExtractHooks& hooks);

} // namespace slivra
