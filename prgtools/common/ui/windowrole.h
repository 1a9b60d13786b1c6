#pragma once

#include <QLineEdit>

class QWidget;

namespace prg {

// A one-line box that can be locked against editing (read-only). Screen
// readers hear the lock: a locked box is read-only text, not editable. A box
// with an accessible name is heard by that name, not by its caption, and its
// selection is offered whole (the toolkit's own form drops its last character).
class LockableBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LockableBox(QWidget* parent = nullptr);
};

} // namespace prg
