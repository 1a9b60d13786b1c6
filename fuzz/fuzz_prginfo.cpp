// The PRG inspection on arbitrary file contents and on arbitrary headers.
#include "prgtools/common/core/prgfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.prg"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QString text = prg::AnalyseraPRG(path);
    if ((size < 2) != (text == QLatin1String("N/A")))
        std::abort();
    if (size >= 2 && !text.startsWith(QStringLiteral("File size: %1 bytes").arg(size)))
        std::abort();

    // Any size a file system may report, with any location bytes.
    if (size >= 10) {
        qint64 fileSize;
        std::memcpy(&fileSize, data, sizeof fileSize);
        fileSize = 2 + (fileSize & 0x3fffffffffffffffLL);
        const prg::PrgHeader header{fileSize, data[8], data[9]};
        if (prg::prgInfoText(header).count(QLatin1String("\r\n")) != 3)
            std::abort();
    }
    return 0;
}
