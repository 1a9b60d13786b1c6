#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace felgrove::test {

// What a file manager's drag can carry, by the tests' names for it.
enum class Drag { OneLocalFile, TwoFiles, RemoteAddress, PlainText };

inline std::unique_ptr<QMimeData> dragData(Drag kind, const QString& file) {
    auto mime = std::make_unique<QMimeData>();
    const QUrl local = QUrl::fromLocalFile(file);
    if (kind == Drag::PlainText)
        mime->setText(file);
    else if (kind == Drag::RemoteAddress)
        mime->setUrls({QUrl(QStringLiteral("https://example.org/pic.prg"))});
    else if (kind == Drag::TwoFiles)
        mime->setUrls({local, QUrl::fromLocalFile(file + QLatin1String("2"))});
    else
        mime->setUrls({local});
    return mime;
}

// Drags `mime` into the middle of `target` and drops it there, as a file
// manager would. True when the drag was taken (the pointer shows a drop).
inline bool dragAndDrop(QWidget* target, const QMimeData* mime) {
    const QPoint at = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, actions, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    const bool taken = enter.isAccepted();
    // A drop the drag did not take still arrives, to show that it changes
    // nothing either.
    QDropEvent drop(QPointF(at), actions, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return taken && drop.isAccepted();
}

} // namespace felgrove::test
