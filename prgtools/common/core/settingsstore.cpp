#include "prgtools/common/core/settingsstore.h"

#include "brand/maker.h"

#include <QSettings>

#include <cerrno>

namespace prg {

namespace {

constexpr auto kGroup = "Settings";

QString keyPath(const QString& key) {
    return QLatin1String(kGroup) + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore(QString application) : m_application(std::move(application)) {}

QString SettingsStore::read(const QString& key, const QString& fallback) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, felgrove::kMaker,
                       m_application);
    const QVariant value = settings.value(keyPath(key));
    if (!value.isValid())
        return fallback;
    // A hand-edited store reads "1, 2" as a list; it is one text as stored.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

Status SettingsStore::write(const QString& key, const QString& value) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, felgrove::kMaker,
                       m_application);
    settings.setValue(keyPath(key), value);
    settings.sync();
    const QString what = QStringLiteral("Cannot save the settings to %1").arg(settings.fileName());
    switch (settings.status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        // The store tells only that its file could not be written.
        return errnoFailure(EACCES, what, m_application);
    case QSettings::FormatError:
        return Failure{EINVAL, what + QLatin1String(": The settings file is not in a valid format"),
                       m_application};
    }
    return errnoFailure(EIO, what, m_application);
}

} // namespace prg
