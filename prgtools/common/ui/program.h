#pragma once

#include "desktop/application.h"
#include "desktop/qtprompts.h"

#include <QApplication>

#include <csignal>

namespace prg {

// A PRG tool's main(): the application named `name` with its one window.
template <typename Window> int runProgram(int argc, char** argv, const QString& name) {
    // A write past the file-size limit then fails with EFBIG and is reported
    // like a full disk, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, name);
    felgrove::QtPrompts prompts;
    Window window(prompts);
    window.show();
    return app.exec();
}

} // namespace prg
