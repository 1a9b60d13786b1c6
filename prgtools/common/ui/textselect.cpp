#include "prgtools/common/ui/textselect.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace prg {

void MarkeraText(QLineEdit* box) {
    box->setSelection(0, int(box->text().size()));
}

namespace {

void selectWhole(QObject* watched) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        MarkeraText(box);
        // A mouse click moves the cursor after the focus arrives; select
        // again once the click has been handled.
        QPointer<QLineEdit> guard(box);
        QTimer::singleShot(0, box, [guard] {
            if (guard && guard->hasFocus() && guard->selectedText() != guard->text())
                MarkeraText(guard);
        });
    } else if (auto* info = qobject_cast<QPlainTextEdit*>(watched)) {
        info->selectAll();
    }
}

} // namespace

SelectOnFocus::SelectOnFocus(QObject* parent) : QObject(parent) {}

void SelectOnFocus::watch(QLineEdit* box) {
    box->installEventFilter(this);
}

void SelectOnFocus::watch(QPlainTextEdit* box) {
    box->installEventFilter(this);
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return QObject::eventFilter(watched, event);
    // The toolkit tells screen readers of the new focus only after the box
    // has taken it. A caret move or selection reported before that makes
    // screen readers take the box as known and never announce it; the box's
    // own focus handling and the selection stay silent, and the announcement
    // that follows reads the box with its selected text. The selection a box
    // drops as it loses the focus is not news either.
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    watched->event(event);
    if (event->type() == QEvent::FocusIn)
        selectWhole(watched);
    QAccessible::installUpdateHandler(previous);
    return true;
}

} // namespace prg
