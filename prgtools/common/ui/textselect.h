#pragma once

#include <QObject>

class QLineEdit;
class QPlainTextEdit;

namespace prg {

// MarkeraText: selects the whole text of a box (nothing in an empty box).
void MarkeraText(QLineEdit* box);

// txtStd_GotFocus for a set of boxes: each one selects its whole text when it
// receives the focus, by keyboard or by mouse.
class SelectOnFocus : public QObject {
    Q_OBJECT
public:
    explicit SelectOnFocus(QObject* parent);
    void watch(QLineEdit* box);
    // The PRG-info box too: its whole text, all four lines.
    void watch(QPlainTextEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace prg
