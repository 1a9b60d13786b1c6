#include "prgtools/extractor/core/helptext.h"

#include "brand/maker.h"

#include <QStringList>

namespace slivra {

QString helpText() {
    const QStringList lines = {
        QStringLiteral("Slivra 1.0 by Marrok/Felgrove."),
        QString(),
        QStringLiteral("This is a cross-assembly tool used to extract binary data from PRG-files."),
        QString(),
        QStringLiteral("Example:"),
        QStringLiteral("You have a transfered bitmap file on your pc which stretches between "
                       "$5800-$7f40."),
        QStringLiteral("You need to import different parts of the bitmap at different locations "
                       "in the memory."),
        QStringLiteral("Use this tool to split the original PRG-file into smaller bits."),
        QString(),
        QStringLiteral("Note that PRG-files normally start with two location bytes."),
        QStringLiteral("It's optional to include these location bytes in your new file."),
        QString(),
        QStringLiteral("Don't forget to visit %1 for more tools and artwork.")
            .arg(felgrove::kWebAddress),
    };
    return lines.join(QLatin1String("\r\n"));
}

} // namespace slivra
