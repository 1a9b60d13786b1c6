// Nembra, the byte-table writer.
#include "application.h"
#include "form1.h"
#include "qtprompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, QStringLiteral("Nembra"));
    felgrove::QtPrompts prompts;
    nembra::Form1 window(prompts);
    window.show();
    return app.exec();
}
