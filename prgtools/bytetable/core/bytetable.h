#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/failure.h"
#include "prgtools/common/core/prgfile.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace nembra {

// The program's own name: the source of the failures it raises itself.
inline const QString kProgram = QStringLiteral("Nembra");
// The name its settings are stored under.
inline const QString kSettingsName = QStringLiteral("Nembrix");

// Everything one conversion needs, already checked.
struct ConversionRequest {
    QString input;  // the PRG file read
    QString output; // the table written
    int valuesPerRow = 8;
    std::optional<prg::AddressWindow> limit; // nothing: every data byte is taken
};

// cmdConvert_Click's work: writes the data bytes of the PRG at `input`
// (the two location bytes excluded) as ".byte" lines to `output` and
// returns how many bytes were written. A file of fewer than three bytes
// gives an empty output file. Values per row outside 1..kMostValuesPerRow
// are refused before anything is opened. The rest is prg::Conversion::run.
prg::Outcome<qint64> convertToByteTable(const ConversionRequest& request,
                                        const prg::ConversionEvents& events = {});

} // namespace nembra
