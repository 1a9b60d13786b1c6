// Slivra, the PRG range extractor.
#include "application.h"
#include "form1.h"
#include "qtprompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, QStringLiteral("Slivra"));
    felgrove::QtPrompts prompts;
    slivra::Form1 window(prompts);
    window.show();
    return app.exec();
}
