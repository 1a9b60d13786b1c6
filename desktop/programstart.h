#pragma once

#include "desktop/application.h"
#include "desktop/qtprompts.h"
#include "platform/platform.h"

#include <QApplication>

namespace felgrove {

// A program's main(): the application named `name` with its one window,
// which asks its questions through the desktop's prompts.
template <typename Window> int runProgram(int argc, char** argv, const QString& name) {
    // Slivra's and Nembra's output files then end in a report like a full
    // disk's when they reach the file-size limit, instead of the program
    // ending without a word. Pixmoth writes no files: for it nothing changes.
    platform::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    setUpApplication(app, name);
    QtPrompts prompts;
    Window window(prompts);
    window.show();
    return QApplication::exec();
}

} // namespace felgrove
