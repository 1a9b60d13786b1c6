#pragma once

#include <QString>

namespace pixmoth {

// The file name of the sample picture beside the program's files.
inline const QString kSampleFileName = QStringLiteral("sample.prg");

// The folder that holds the program's files, where File > Load starts, for
// the program in `programFolder`: that folder itself when the sample picture
// lies there (the build's bin folder, or beside the .exe on Windows), else
// ../Resources when the sample lies there (a macOS app bundle), else the
// data folder ../share/pixmoth beside it when that exists (an installed
// program in <prefix>/bin), else the program's folder.
QString programFilesFolder(const QString& programFolder);

} // namespace pixmoth
