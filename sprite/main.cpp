// Pixmoth, the sprite maker: grabs C64 multicolour sprites from a bitmap picture.
#include "mainwindow.h"
#include "qtprompts.h"
#include "texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(pixmoth::programName());
    QApplication::setOrganizationName(QStringLiteral("Felgrove"));
    felgrove::QtPrompts prompts;
    pixmoth::MainWindow window(prompts);
    window.show();
    return QApplication::exec();
}
