#include "testsupport/accessiblecheck.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace felgrove::test {

namespace {

// A caption of mere signs ("...") says nothing read aloud.
bool speaksForItself(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

QString caption(const QWidget* widget) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    const bool shows =
        qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
    return shows ? widget->property("text").toString() : QString();
}

std::string misreadTexts(QWidget* window) {
    QStringList problems;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        const bool label = qobject_cast<QLabel*>(widget) != nullptr;
        // As the screen shows it: "&&" is a drawn "&", a single "&" only
        // underlines the next letter.
        const QString shown =
            caption(widget).replace("&&", "\x01").remove('&').replace('\x01', '&');
        if (shown.isEmpty() && !label)
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        const QString heard = reader ? reader->text(QAccessible::Name) : QString();
        const QString id = widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                          : widget->objectName();
        if (label && !widget->accessibleName().isEmpty())
            problems << QString("%1 shows \"%2\" but is named \"%3\"")
                            .arg(id, shown, widget->accessibleName());
        else if (label || speaksForItself(shown) ? heard != shown : !speaksForItself(heard))
            problems << QString("%1 shows \"%2\" but is heard as \"%3\"").arg(id, shown, heard);
    }
    return problems.join('\n').toStdString();
}

} // namespace felgrove::test
