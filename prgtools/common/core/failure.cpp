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
    return {number, QDir::toNativeSeparators(path) + QLatin1String(": ") + reason, source};
}

Failure errnoFailure(int error, const QString& what, const QString& source) {
    return {error, what + QLatin1String(": ") + QString::fromLocal8Bit(std::strerror(error)),
            source};
}

} // namespace prg
