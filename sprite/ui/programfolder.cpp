#include "sprite/ui/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace pixmoth {

QString programFilesFolder(const QString& programFolder) {
    const QDir folder(programFolder);
    if (QFileInfo(folder.filePath(kSampleFileName)).isFile())
        return programFolder;
    const QFileInfo data(folder.filePath(QStringLiteral("../share/pixmoth")));
    if (data.isDir())
        return QDir::cleanPath(data.absoluteFilePath());
    return programFolder;
}

} // namespace pixmoth
