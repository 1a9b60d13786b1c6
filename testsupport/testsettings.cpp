#include "testsettings.h"

#include <QSettings>
#include <QTemporaryDir>

namespace felgrove::test {

QString isolateSettings() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    return folder.path();
}

void clearSettings(const QString& application) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Felgrove"),
                       application);
    settings.clear();
    settings.sync();
}

} // namespace felgrove::test
