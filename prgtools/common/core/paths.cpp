#include "prgtools/common/core/paths.h"

#include "platform/platform.h"

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
    const felgrove::platform::Found found = felgrove::platform::inspect(path.toUtf8().constData());
    return found.error == 0 && found.kind == felgrove::platform::Kind::File;
}

bool isSameFile(const QString& a, const QString& b) {
    return felgrove::platform::sameFile(a.toUtf8().constData(), b.toUtf8().constData());
}

} // namespace prg
