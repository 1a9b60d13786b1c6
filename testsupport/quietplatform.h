#pragma once

// Silences what Qt's platform plugins print for every window of a headless
// run ("This plugin does not support raise()" and "propagateSizeHints()" from
// the offscreen platform, and the qt.qpa categories), so the programs' own
// warnings and the results stay readable. Everything else passes through.

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace felgrove::test {

inline QtMessageHandler& previousMessageHandler() {
    static QtMessageHandler previous = nullptr;
    return previous;
}

inline void quietPlatformHandler(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message) {
    const bool platform =
        (context.category != nullptr && qstrncmp(context.category, "qt.qpa", 6) == 0) ||
        message.startsWith(QLatin1String("This plugin does not support "));
    if (platform && type != QtFatalMsg)
        return;
    if (QtMessageHandler previous = previousMessageHandler())
        previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

inline void quietPlatformMessages() {
    previousMessageHandler() = qInstallMessageHandler(quietPlatformHandler);
}

} // namespace felgrove::test
