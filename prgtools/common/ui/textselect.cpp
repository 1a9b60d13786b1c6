#include "prgtools/common/ui/textselect.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace prg {

void MarkeraText(QLineEdit* box) {
    box->setSelection(0, int(box->text().size()));
}

SelectOnFocus::SelectOnFocus(QObject* parent) : QObject(parent) {}

void SelectOnFocus::watch(QLineEdit* box) {
    box->installEventFilter(this);
}

void SelectOnFocus::watch(QPlainTextEdit* box) {
    box->installEventFilter(this);
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box) {
            MarkeraText(box);
            // A mouse click moves the cursor after the focus arrives; select
            // again once the click has been handled.
            QPointer<QLineEdit> guard(box);
            QTimer::singleShot(0, box, [guard] {
                if (guard && guard->hasFocus())
                    MarkeraText(guard);
            });
        } else if (auto* info = qobject_cast<QPlainTextEdit*>(watched)) {
            info->selectAll();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace prg
