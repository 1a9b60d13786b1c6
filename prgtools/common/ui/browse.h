#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>

#include <optional>

class QWidget;

namespace felgrove {
class Prompts;
}

namespace prg {

class SettingsStore;

inline const QString kBrowseTitle = QStringLiteral("Select Binary-file");
inline const QString kPrgFilter = QStringLiteral("PRG-files (*.prg);;All files (*)");

struct BrowseResult {
    std::optional<QString> path; // nothing when the dialog was cancelled
    Status settingsFailure;      // "LatestPath" could not be stored
};

// The first half of cmdBrowse_Click: opens the file dialog in the folder
// stored as "LatestPath" (else the program's folder) and, when a file was
// chosen, stores its folder as "LatestPath" and returns its path. A cancel
// returns nothing and stores nothing.
BrowseResult browseForPrg(felgrove::Prompts& prompts, QWidget* parent,
                          const SettingsStore& settings);

} // namespace prg
