#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>

namespace prg {

// The per-user settings of one PRG tool: organisation "Felgrove", the tool's
// application name, group "Settings", every value kept as text.
class SettingsStore {
public:
    explicit SettingsStore(QString application);

    QString read(const QString& key, const QString& fallback) const;
    // Writes and syncs; fails when the store cannot be written.
    Status write(const QString& key, const QString& value) const;

    const QString& application() const { return m_application; }

private:
    QString m_application;
};

} // namespace prg
