#include "desktop/application.h"

#include "brand/maker.h"

#include <QApplication>
#include <QIcon>

namespace felgrove {

void setUpApplication(QApplication& app, const QString& name) {
    QApplication::setOrganizationName(kMaker);
    QApplication::setApplicationName(name);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.felgrove.") + name.toLower());
    // The same SVG the desktop entry names, compiled into the program. Ids
    // are all lower case ("org.example.felgrove.pixmoth").
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

} // namespace felgrove
