#pragma once

#include <QString>

namespace prg {

// The folder part of a path: the text before its last path separator ("/",
// and "\" too on Windows), or the whole text when it has none.
QString FilSokVag(const QString& path);

// The path without the extension of its file-name part: /c64/a.b.prg gives
// /c64/a.b, while /c64/my.dir/game stays as it is.
QString TaBortExtension(const QString& path);

// True when an ordinary file (not a folder, FIFO or device) exists at exactly
// this path. Symbolic links count as what they point to.
bool isExistingFile(const QString& path);

// True when both paths name one existing file, however spelt: the same path,
// another spelling, a symbolic link or a hard link.
bool isSameFile(const QString& a, const QString& b);

} // namespace prg
