#include "prgtools/common/core/failure.h"

#include <QDir>
#include <QFileDevice>

#include <cstring>

namespace prg {

Failure fileFailure(const QFileDevice& file, const QString& path, int savedErrno,
                    const QString& source) {
    QString reason = file.errorString();
    int number = savedErrno;
    if (number == 0)
        number = 1000 + int(file.error());
    if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        reason = QString::fromLocal8Bit(std::strerror(number));
    // The report names the file once, in front; a reason of Qt's own may name
    // it again ("Existing file /c64/a.bin is not writable").
    for (const QString& named : {path, QDir::toNativeSeparators(path)}) {
        const QString inside = QLatin1Char(' ') + named;
        for (qsizetype at = reason.indexOf(inside); !named.isEmpty() && at >= 0;
             at = reason.indexOf(inside, at + 1)) {
            const qsizetype end = at + inside.size();
            if (end == reason.size() || reason.at(end) == QLatin1Char(' '))
                reason.remove(at, inside.size());
        }
    }
    return {number, QDir::toNativeSeparators(path) + QLatin1String(": ") + reason, source};
}

Failure errnoFailure(int error, const QString& what, const QString& source) {
    return {error, what + QLatin1String(": ") + QString::fromLocal8Bit(std::strerror(error)),
            source};
}

} // namespace prg
