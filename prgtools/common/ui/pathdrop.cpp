#include "prgtools/common/ui/pathdrop.h"

#include "desktop/filedrop.h"

#include <QDropEvent>
#include <QLineEdit>

namespace prg {

void PathDrop::watch(QLineEdit* box) {
    box->setAcceptDrops(true);
    box->installEventFilter(this);
}

bool PathDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drag = static_cast<QDropEvent*>(event);
    const QString path = felgrove::droppedLocalFile(drag->mimeData());
    auto* box = qobject_cast<QLineEdit*>(watched);
    // The box's own handling would insert the text of the drag (a file://
    // address) at the pointer; it never sees these events.
    if (path.isEmpty() || !box || box->isReadOnly()) {
        drag->ignore();
        return true;
    }
    drag->acceptProposedAction();
    if (type == QEvent::Drop) {
        box->setText(path);
        box->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

} // namespace prg
