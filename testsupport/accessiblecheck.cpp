#include "testsupport/accessiblecheck.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace felgrove::test {

namespace {

// The text as the screen shows it: "&&" is a drawn "&", a single "&" only
// underlines the next letter.
QString shownText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

// The visible text of a widget that shows one, else nothing.
QString visibleText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

// A button caption of mere signs ("...") says nothing read aloud; the
// button is then heard by what it does, in words.
bool speaksForItself(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

std::string misreadTexts(QWidget* window) {
    QStringList problems;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        const QString text = visibleText(widget);
        const bool label = qobject_cast<QLabel*>(widget) != nullptr;
        if (text.isEmpty() && !label)
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        const QString heard = reader ? reader->text(QAccessible::Name) : QString();
        const QString id = widget->objectName().isEmpty()
                               ? QString::fromLatin1(widget->metaObject()->className())
                               : widget->objectName();
        if (label && !widget->accessibleName().isEmpty())
            problems << QStringLiteral("%1 shows \"%2\" but is named \"%3\"")
                            .arg(id, shownText(text), widget->accessibleName());
        else if (label || speaksForItself(shownText(text)) ? heard != shownText(text)
                                                            : !speaksForItself(heard))
            problems << QStringLiteral("%1 shows \"%2\" but is heard as \"%3\"")
                            .arg(id, shownText(text), heard);
    }
    return problems.join(QLatin1Char('\n')).toStdString();
}

} // namespace felgrove::test
