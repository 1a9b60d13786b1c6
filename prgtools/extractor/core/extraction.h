#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/failure.h"
#include "prgtools/common/core/prgfile.h"

#include <QString>
#include <QtGlobal>

namespace slivra {

// The program's own name: the source of the failures it raises itself.
inline const QString kProgram = QStringLiteral("Slivra");

// What one extraction needs, checked and with the range as numbers.
struct ExtractRequest {
    QString input;             // the PRG file read
    QString output;            // the range file written
    prg::AddressWindow window; // the C64 addresses taken
    bool includeLocation = false;
    QString newLocation; // the address of the new location bytes, as typed
};

// Copies the data bytes of `input` whose C64 addresses lie in the window into
// `output`, behind the new location bytes when they are included and the
// input holds at least one data byte. A new location that gives no location
// bytes while they are included is refused before anything is opened. The
// rest is prg::Conversion::run. Returns the number of data bytes written.
prg::Outcome<qint64> extractRange(const ExtractRequest& request,
                                  const prg::ConversionEvents& events = {});

} // namespace slivra
