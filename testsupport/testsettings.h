#pragma once

#include <QString>

namespace felgrove::test {

// Points the per-user settings store of this process at a fresh temporary
// folder, so tests never read or write the user's real settings. Returns the
// folder; it lives until the process ends.
QString isolateSettings();

// Removes every stored value of one application of the organisation.
void clearSettings(const QString& application);

} // namespace felgrove::test
