#include "prgtools/common/core/prgfile.h"

#include "prgtools/common/core/hex.h"
#include "prgtools/common/core/prginput.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>

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

bool restrictStart(AddressWindow& window, int loadAddress) {
    if (window.start >= loadAddress)
        return false;
    window.start = loadAddress;
    return true;
}

DataSpan KollaLimit(int loadAddress, const std::optional<AddressWindow>& window) {
    if (!window || loadAddress == 0)
        return {};
    const qint64 first = std::max<qint64>(2, qint64(window->start) - loadAddress + 2);
    return {first, std::max(first, qint64(window->end) - loadAddress + 3)};
}

Outcome<LocationBytes> newLocationBytes(const QString& text, const QString& source) {
    const Failure refused{EINVAL, QStringLiteral("Invalid new location address"), source};
    if (text.isEmpty() || text.size() > 4)
        return refused;
    const Outcome<qint32> address = HexToDec(text, source);
    if (!address)
        return refused;
    return LocationBytes{quint8(*address & 0xff), quint8(*address >> 8)};
}

} // namespace prg
