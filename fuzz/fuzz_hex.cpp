// The hexadecimal helpers of the PRG tools on arbitrary text.
#include "prgtools/common/core/hex.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const prg::Outcome<qint32> value = prg::HexToDec(text, QStringLiteral("fuzz"));
    if (prg::Kontrollera4HEX(text)) {
        // Four valid digits always convert, to an unsigned 16-bit value.
        if (!value.ok() || value.value() < 0 || value.value() > 0xffff)
            std::abort();
    }
    if (value.ok() && !text.isEmpty()) {
        bool ok = false;
        const qlonglong reference = text.toLongLong(&ok, 16);
        if (ok && !text.startsWith(QLatin1Char('+')) && reference != value.value())
            std::abort();
    }
    for (size_t i = 0; i < size; ++i) {
        const QString pair = prg::Omvandla(data[i]);
        if (pair.size() != 2 || pair.toInt(nullptr, 16) != data[i])
            std::abort();
    }
    return 0;
}
