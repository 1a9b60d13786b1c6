// Nembra, the byte-table writer.
#include "application.h"
#include "form1.h"
#include "qtprompts.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with EFBIG and is reported
    // like a full disk, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    felgrove::setUpApplication(app, QStringLiteral("Nembra"));
    felgrove::QtPrompts prompts;
    nembra::Form1 window(prompts);
    window.show();
    return app.exec();
}
