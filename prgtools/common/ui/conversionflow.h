#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace felgrove {
class Prompts;
}

namespace prg {

// Sets the first status panel and paints it at once: a conversion runs inside
// its click, so the event loop would show the text only when it has ended.
void showStatus(QLabel* panel, const QString& text);

// A start address before the PRG's load address: shows `notice` followed by
// the load address ("C000"), then writes the load address into the start box
// in lower case, as typed addresses are, so the next conversion passes the
// start check; then lets the window repaint.
void restrictStart(felgrove::Prompts& prompts, QWidget* window, QLineEdit* startBox,
                   const QString& notice, const QString& loadAddress);

// The end of a conversion. A failure clears the status panel and is reported
// with "Main_cmdConvert_Click"; success shows "Conversion finished. N bytes
// converted.", which screen readers speak at once, and the "Finished!" box.
void reportConversion(felgrove::Prompts& prompts, QWidget* window, QLabel* panel,
                      const Outcome<qint64>& converted);

} // namespace prg
