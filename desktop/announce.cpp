#include "desktop/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>
#include <QStatusBar>
#include <QString>
#include <QWidget>

namespace felgrove {

namespace {

constexpr char kAnnounceAsWindow[] = "announceAsWindow";

// An empty, zero-sized child that screen readers see as a notification. A
// notification is spoken when it shows; the toolkit offers no other way to
// speak without moving the focus.
class Notice : public QWidget {
public:
    explicit Notice(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("announcement"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
    QString text;
};

class NoticeInterface : public QAccessibleWidget {
public:
    explicit NoticeInterface(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Notice*>(widget())->text : QString();
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* notice = dynamic_cast<Notice*>(widget))
        return new NoticeInterface(notice);
    // A plain top-level widget would be offered as a client area ("filler").
    if (widget->isWindow() && widget->property(kAnnounceAsWindow).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
    static QList<QAccessible::InterfaceFactory> installed;
    if (installed.contains(factory))
        return;
    installed << factory;
    QAccessible::installFactory(factory);
}

void announceAsWindow(QWidget* window) {
    installAccessibleFactory(interfaceFor);
    window->setProperty(kAnnounceAsWindow, true);
}

void announce(QWidget* inside, const QString& text) {
    installAccessibleFactory(interfaceFor);
    QWidget* window = inside->window();
    QWidget* holder = window->findChild<QStatusBar*>();
    if (!holder)
        holder = window;
    Notice* notice = nullptr;
    for (QObject* child : holder->children()) {
        if ((notice = dynamic_cast<Notice*>(child)))
            break;
    }
    if (!notice) {
        notice = new Notice(holder);
        notice->show();
    }
    notice->text = text;
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent named(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace felgrove
