#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace prg {

// What the inspection learns of a PRG file: its length and the two location
// bytes that give its load address (low byte first in the file).
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

} // namespace prg
