#pragma once

// Pixmoth's sprite text as its result window shows it, for the window tests.

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QStringList>

namespace pixmoth::test {

// The 64 bytes in hexadecimal: `firstLine`, then seven lines of zeros, the
// lines joined by CR LF.
inline QString hexText(const QString& firstLine) {
    QStringList lines{firstLine};
    for (int i = 1; i < 8; ++i)
        lines << QStringLiteral(".byte $00,$00,$00,$00,$00,$00,$00,$00");
    return lines.join(QStringLiteral("\r\n"));
}

// In binary: `firstLine`, twenty lines of three zero bytes and the padding
// byte, the lines joined by CR LF.
inline QString binaryText(const QString& firstLine) {
    QStringList lines{firstLine};
    for (int i = 1; i < 21; ++i)
        lines << QStringLiteral(".byte %00000000,%00000000,%00000000");
    lines << QStringLiteral(".byte %00000000");
    return lines.join(QStringLiteral("\r\n"));
}

// The text box keeps its lines as paragraphs joined by "\n".
inline QString shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Lets the window events run and deletes the windows that were closed.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace pixmoth::test
