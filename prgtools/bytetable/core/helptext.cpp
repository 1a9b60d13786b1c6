#include "prgtools/bytetable/core/helptext.h"

#include "brand/maker.h"

#include <QStringList>

namespace nembra {

QString helpText() {
    const QStringList paragraphs = {
        QStringLiteral("Nembra 1.0 by Marrok/Felgrove."),
        QStringLiteral("This is a cross-assembly tool used to create byte tables from PRG-files."),
        QStringLiteral("Don't forget to visit %1 for more tools and artwork.")
            .arg(felgrove::kWebAddress),
    };
    return paragraphs.join(QLatin1String("\r\n\r\n"));
}

} // namespace nembra
