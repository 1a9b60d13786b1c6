// Slivra, the PRG range extractor.
#include "form1.h"
#include "qtprompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Felgrove"));
    QCoreApplication::setApplicationName(QStringLiteral("Slivra"));
    felgrove::QtPrompts prompts;
    slivra::Form1 window(prompts);
    window.show();
    return app.exec();
}
