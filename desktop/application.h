#pragma once

#include <QString>

class QApplication;

namespace felgrove {

// Names a program for the desktop: organisation "Felgrove", the application
// name, the desktop entry that matches its windows, and its window icon.
void setUpApplication(QApplication& app, const QString& name);

} // namespace felgrove
