#include "application.h"

#include <QApplication>
#include <QIcon>

namespace felgrove {

void setUpApplication(QApplication& app, const QString& name) {
    QApplication::setOrganizationName(QStringLiteral("Felgrove"));
    QApplication::setApplicationName(name);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.felgrove.") + name);
    // The same SVG the desktop entry names, compiled into the program.
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

} // namespace felgrove
