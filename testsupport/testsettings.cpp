#include "testsupport/testsettings.h"

#include <QDir>
#include <QFile>
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

UnwritableSettings::UnwritableSettings(const QString& application) {
    clearSettings(application);
    m_file = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Felgrove"),
                       application)
                 .fileName();
    QFile::remove(m_file);
    QDir().mkpath(m_file);
}

UnwritableSettings::~UnwritableSettings() {
    QDir().rmdir(m_file);
}

} // namespace felgrove::test
