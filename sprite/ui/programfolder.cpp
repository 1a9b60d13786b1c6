#include "sprite/ui/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace pixmoth {

QString programFilesFolder(const QString& programFolder) {
    const QDir folder(programFolder);
    if (QFileInfo(folder.filePath(kSampleFileName)).isFile())
        return programFolder;
    // A macOS bundle keeps its files in Contents/Resources beside
    // Contents/MacOS, which holds the program.
    const QFileInfo resources(folder.filePath(QStringLiteral("../Resources")));
    if (QFileInfo(QDir(resources.filePath()).filePath(kSampleFileName)).isFile())
        return QDir::cleanPath(resources.absoluteFilePath());
    const QFileInfo data(folder.filePath(QStringLiteral("../share/pixmoth")));
    if (data.isDir())
        return QDir::cleanPath(data.absoluteFilePath());
    return programFolder;
}

} // namespace pixmoth
