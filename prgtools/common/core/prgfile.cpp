#include "prgtools/common/core/prgfile.h"

#include "prgtools/common/core/hex.h"
#include "prgtools/common/core/prginput.h"

#include <QStringList>

namespace prg {

QString loadAddressText(quint8 low, quint8 high) {
    return Omvandla(high) + Omvandla(low);
}

std::optional<PrgHeader> inspectPrg(const QString& path) {
    // Only an ordinary file is opened, without waiting: a folder, a FIFO or a
    // device would fail or block, and the inspection runs on every keystroke.
    PrgInput file(path, QString());
    if (file.open() || file.size() < 2)
        return std::nullopt;
    char bytes[2];
    const Outcome<qint64> got = file.read(bytes, 2);
    if (!got || *got != 2)
        return std::nullopt;
    return PrgHeader{file.size(), quint8(bytes[0]), quint8(bytes[1])};
}

QString prgInfoText(const PrgHeader& header) {
    const qint64 data = header.size - 2;
    const QString load = loadAddressText(header.low, header.high);
    const QStringList lines = {
        QStringLiteral("File size: %1 bytes").arg(header.size),
        QStringLiteral("Data: %1 ($%2)").arg(data).arg(upperHex(data)),
        QStringLiteral("Assumed load address: $") + load,
        QStringLiteral("Assumed memory location: $%1 - $%2")
            .arg(load, upperHex(header.loadAddress() + data)),
    };
    return lines.join(QLatin1String("\r\n"));
}

QString AnalyseraPRG(const QString& path) {
    const std::optional<PrgHeader> header = inspectPrg(path);
    return header ? prgInfoText(*header) : QStringLiteral("N/A");
}

} // namespace prg
