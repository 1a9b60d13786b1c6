#pragma once

#include "failure.h"
#include "prginput.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace nembra {

// The program's name, the source of the failures it raises itself.
inline const QString kProgramName = QStringLiteral("Nembra");

// An inclusive window of C64 addresses ("Limit read to $c000 - $cfff").
struct AddressWindow {
    qint64 start = 0;
    qint64 end = 0;
};

// Everything one conversion needs, already checked.
struct ConversionRequest {
    QString inputPath;
    QString outputPath;
    int valuesPerRow = 8;
    std::optional<AddressWindow> limit; // nothing: every data byte is taken
};

// What the window hears of a conversion while it runs.
struct ConversionEvents {
    // Both files are open; the conversion proper starts.
    std::function<void()> converting;
    // The limit started below the load address and now starts at it; the
    // argument is the load address as four upper-case digits ("C000").
    std::function<void(const QString& loadAddress)> startLimitRestricted;
};

// The file offsets whose data bytes are written: first <= offset < stop.
using DataSpan = prg::DataSpan;

// KollaLimit for a whole file at once: the bytes of a PRG with this load
// address that the window lets through. Addresses grow with the offset, so
// they form one run: bytes below the start are skipped, and the first byte
// past the end stops the reading. Both ends are inclusive. A PRG that loads
// at $0000 is taken whole, window or not. `stop` may lie beyond the file.
DataSpan KollaLimit(int loadAddress, const std::optional<AddressWindow>& limit);

// cmdConvert_Click's work: writes the data bytes of the PRG at inputPath
// (the two location bytes excluded) as ".byte" lines to outputPath and
// returns how many bytes were written. A file of fewer than three bytes
// gives an empty output file. The output replaces an existing file only
// once it is complete; on a failure it is left as it was. An output path
// that names the input file is refused before either file is opened.
prg::Outcome<qint64> convertToByteTable(const ConversionRequest& request,
                                        const ConversionEvents& events = {});

} // namespace nembra
