#include "prgtools/common/ui/windowrole.h"

#include "desktop/announce.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace prg {

namespace {

// The toolkit's own form of a line edit calls even a read-only one editable.
class LockableBoxInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LockableBoxInterface(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    // Screen readers prefer a caption to the box's name; a box with a name
    // of its own is heard by it, as its caption may say less.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (!box()->accessibleName().isEmpty())
            found.removeIf(
                [](const auto& relation) { return relation.second & QAccessible::Label; });
        return found;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(LockableBox::staticMetaObject.className()))
        return new LockableBoxInterface(static_cast<LockableBox*>(object));
    return nullptr;
}

} // namespace

LockableBox::LockableBox(QWidget* parent) : QLineEdit(parent) {
    felgrove::installAccessibleFactory(interfaceFor);
}

} // namespace prg
