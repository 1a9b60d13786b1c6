// Pixmoth, the sprite maker: grabs C64 multicolour sprites from a bitmap picture.
#include "desktop/application.h"
#include "desktop/qtprompts.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/texts.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with EFBIG and is reported
    // like a full disk, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, pixmoth::programName());
    felgrove::QtPrompts prompts;
    pixmoth::MainWindow window(prompts);
    window.show();
    return QApplication::exec();
}
