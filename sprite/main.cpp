// Pixmoth, the sprite maker: grabs C64 multicolour sprites from a bitmap picture.
#include "application.h"
#include "mainwindow.h"
#include "qtprompts.h"
#include "texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, pixmoth::programName());
    felgrove::QtPrompts prompts;
    pixmoth::MainWindow window(prompts);
    window.show();
    return QApplication::exec();
}
