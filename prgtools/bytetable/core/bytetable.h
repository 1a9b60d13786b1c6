#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/failure.h"
#include "prgtools/common/core/prginput.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace nembra {

// The program's own name: the source of the failures it raises itself.
inline const QString kProgram = QStringLiteral("Nembra");
// The name its settings are stored under.
inline const QString kSettingsName = QStringLiteral("Nembrix");

// An inclusive window of C64 addresses ("Limit read to $c000 - $cfff").
struct AddressWindow {
    qint64 start = 0;
    qint64 end = 0;
};

// Everything one conversion needs, already checked.
struct ConversionRequest {
    QString input;  // the PRG file read
    QString output; // the table written
    int valuesPerRow = 8;
    std::optional<AddressWindow> limit; // nothing: every data byte is taken
};

// The file offsets whose data bytes are written: first <= offset < stop.
using DataSpan = prg::DataSpan;

// KollaLimit for a whole file at once: the bytes of a PRG with this load
// address that the window lets through. Addresses grow with the offset, so
// they form one run: bytes below the start are skipped, and the first byte
// past the end stops the reading. Both ends are inclusive. A PRG that loads
// at $0000 is taken whole, window or not. `stop` may lie beyond the file.
DataSpan KollaLimit(int loadAddress, const std::optional<AddressWindow>& limit);

// cmdConvert_Click's work: writes the data bytes of the PRG at `input`
// (the two location bytes excluded) as ".byte" lines to `output` and
// returns how many bytes were written. A file of fewer than three bytes
// gives an empty output file. The output replaces an existing file only
// once it is complete; on a failure it is left as it was. An output path
// that names the input file is refused before either file is opened.
prg::Outcome<qint64> convertToByteTable(const ConversionRequest& request,
                                        const prg::ConversionEvents& events = {});

} // namespace nembra
