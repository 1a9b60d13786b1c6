#pragma once

#include <QLineEdit>

class QWidget;

namespace prg {

// Screen readers announce `window` as a window (a frame) under its title,
// not as a bare panel. Call before anything asks for its accessible form.
void announceAsWindow(QWidget* window);

// A one-line box that can be locked against editing (read-only). Screen
// readers hear the lock: a locked box is read-only text, not editable.
class LockableBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LockableBox(QWidget* parent = nullptr);
};

} // namespace prg
