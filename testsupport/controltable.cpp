#include "testsupport/controltable.h"

#include "testsupport/accessiblecheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace felgrove::test {

namespace {

bool wholeTextSelected(const QWidget* w) {
    if (const auto* box = qobject_cast<const QLineEdit*>(w))
        return box->selectedText() == box->text();
    if (const auto* info = qobject_cast<const QPlainTextEdit*>(w))
        return info->textCursor().selectedText().size() == info->toPlainText().size();
    return true;
}

void activate(QWidget* window) {
    window->show(); // again after a key closed it
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace

void expectControls(QWidget* window, std::span<const Control> rows) {
    QMap<int, QString> stops; // by place in the tab order
    for (const Control& row : rows) {
        SCOPED_TRACE(row.name);
        auto* w = window->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.parent));
        EXPECT_EQ(caption(w), QLatin1String(row.caption ? row.caption : ""));
        EXPECT_TRUE(row.caption ? w->width() >= w->sizeHint().width()
                                : !w->accessibleName().isEmpty());
        auto* buddy = row.buddy ? window->findChild<QWidget*>(QLatin1String(row.buddy)) : nullptr;
        const auto* label = qobject_cast<QLabel*>(w);
        EXPECT_EQ(label ? label->buddy() : buddy, buddy);
        if (row.key) {
            activate(window);
            std::optional<QSignalSpy> presses;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                presses.emplace(button, &QAbstractButton::clicked);
            const bool moves = QApplication::focusWidget() != buddy;
            QTest::keyClick(window, Qt::Key(row.key), Qt::AltModifier);
            if (buddy) // focused, its text selected as it gets the focus
                EXPECT_TRUE(QApplication::focusWidget() == buddy &&
                            (!moves || wholeTextSelected(buddy)));
            else // a button is pressed after a short visible press
                EXPECT_TRUE(presses && QTest::qWaitFor([&] { return presses->size() == 1; }));
        }
        if (row.tab)
            stops[row.tab] = QLatin1String(row.name);
    }
    QStringList order = stops.values();
    ASSERT_FALSE(order.isEmpty());
    activate(window);
    order << order.first();
    EXPECT_EQ(tabRound(window->findChild<QWidget*>(order.first()), int(order.size())),
              order.join(QLatin1Char(' ')).toStdString());
}

std::string tabRound(QWidget* first, int count) {
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        i ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab) : first->setFocus();
        const QWidget* focus = QApplication::focusWidget();
        visited << (focus ? focus->objectName() : QStringLiteral("<none>")) +
                       (wholeTextSelected(focus) ? "" : "(unselected)");
    }
    return visited.join(QLatin1Char(' ')).toStdString();
}

} // namespace felgrove::test
