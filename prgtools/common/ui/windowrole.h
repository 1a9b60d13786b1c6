#pragma once

#include <QLineEdit>

class QWidget;

namespace prg {

// A one-line box that can be locked against editing (read-only). Screen
// readers hear the lock: a locked box is read-only text, not editable. A box
// with an accessible name is heard by that name, not by its caption. (Screen
// readers heard the selected text of the toolkit's own form of a box one
// character short; of this one they hear it whole.)
class LockableBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LockableBox(QWidget* parent = nullptr);
};

} // namespace prg
