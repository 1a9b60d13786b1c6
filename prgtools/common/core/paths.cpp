#include "prgtools/common/core/paths.h"

#include <QFile>

#include <sys/stat.h>

namespace prg {

namespace {

bool isSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
#else
    return c == QLatin1Char('/');
#endif
}

qsizetype lastSeparator(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i)))
            return i;
    }
    return -1;
}

bool statPath(const QString& path, struct stat& info) {
    if (path.isEmpty())
        return false;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString FilSokVag(const QString& path) {
    const qsizetype at = lastSeparator(path);
    return at < 0 ? path : path.left(at);
}

QString TaBortExtension(const QString& path) {
    const qsizetype nameStart = lastSeparator(path) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // A leading dot marks a hidden file, not an extension.
    return dot <= nameStart ? path : path.left(dot);
}

bool isExistingFile(const QString& path) {
    struct stat info;
    return statPath(path, info) && S_ISREG(info.st_mode);
}

bool isSameFile(const QString& a, const QString& b) {
    struct stat first;
    struct stat second;
    if (!statPath(a, first) || !statPath(b, second))
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace prg
