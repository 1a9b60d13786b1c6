#include "sprite/ui/texts.h"

#include "brand/maker.h"

#include <QDir>

namespace pixmoth {

QString programName() {
    return QStringLiteral("Pixmoth");
}

QString mainCaption() {
    return QStringLiteral("Pixmoth -  Coded by Marrok/Felgrove");
}

QString loadDialogTitle() {
    return QStringLiteral("Select Bitmap-file");
}

QString loadDialogFilter() {
    return QStringLiteral("PRG-files (*.prg)");
}

QString wrongSizeText() {
    return QStringLiteral("Felaktig filstorlek. Bitmap/PRG-fil ska vara 10050 eller 10241 bytes");
}

QString unreadableText(const QString& path, const QString& reason) {
    return QStringLiteral("The file %1 could not be read.\r\n\r\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString webAddress() {
    return felgrove::kWebAddress;
}

QString aboutText() {
    return QStringLiteral("Pixmoth 1.0 by Marrok/Felgrove.\r\n\r\n"
                          "This is a cross-assembly tool used to convert bitmap into sprite "
                          "data.\r\n\r\n"
                          "Don't forget to visit %1 for more tools and artwork.")
        .arg(webAddress());
}

} // namespace pixmoth
