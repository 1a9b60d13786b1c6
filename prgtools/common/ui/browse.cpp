#include "prgtools/common/ui/browse.h"

#include "desktop/prompts.h"
#include "prgtools/common/core/paths.h"
#include "prgtools/common/core/settingsstore.h"

#include <QCoreApplication>

namespace prg {

BrowseResult browseForPrg(felgrove::Prompts& prompts, QWidget* parent,
                          const SettingsStore& settings) {
    const QString folder =
        settings.read(QStringLiteral("LatestPath"), QCoreApplication::applicationDirPath());
    const QString chosen = prompts.openFileName(parent, kBrowseTitle, folder, kPrgFilter);
    if (chosen.isEmpty())
        return {};
    return {chosen, settings.write(QStringLiteral("LatestPath"), FilSokVag(chosen))};
}

} // namespace prg
