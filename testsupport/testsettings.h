#pragma once

#include <QString>

namespace felgrove::test {

// Points the per-user settings store of this process at a fresh temporary
// folder, so tests never read or write the user's real settings. Returns the
// folder; it lives until the process ends.
QString isolateSettings();

// Removes every stored value of one application of the organisation.
void clearSettings(const QString& application);

// While it lives, the settings of `application` can be read (as empty) but
// not stored: a folder stands where their file belongs, which stops root too.
class UnwritableSettings {
public:
    explicit UnwritableSettings(const QString& application);
    ~UnwritableSettings();
    UnwritableSettings(const UnwritableSettings&) = delete;
    UnwritableSettings& operator=(const UnwritableSettings&) = delete;

private:
    QString m_file;
};

} // namespace felgrove::test
