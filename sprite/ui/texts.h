#pragma once

#include <QString>

namespace pixmoth {

// The program's name, the title of every message box.
QString programName();

// The main window's caption (two blanks after the hyphen).
QString mainCaption();

// The file dialog of File > Load.
QString loadDialogTitle();
QString loadDialogFilter();

// The message for a file of neither picture size.
QString wrongSizeText();

// The message for a chosen file that could not be opened or read.
QString unreadableText(const QString& path, const QString& reason);

// Help > About: three paragraphs separated by an empty line, CR LF breaks.
QString aboutText();

// The makers' web address, named in the About text.
QString webAddress();

} // namespace pixmoth
