#include "testsupport/controltable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace felgrove::test {

namespace {

QString captionOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w))
        return w->property("text").toString();
    return w->property("title").toString(); // a frame's; nothing for the rest
}

bool wholeTextSelected(const QWidget* w) {
    if (const auto* box = qobject_cast<const QLineEdit*>(w))
        return box->selectedText() == box->text();
    if (const auto* info = qobject_cast<const QPlainTextEdit*>(w))
        return info->textCursor().selectionStart() == 0 &&
               info->textCursor().selectionEnd() == info->document()->characterCount() - 1;
    return true;
}

void activate(QWidget* window) {
    if (window->isActiveWindow())
        return;
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace

void expectControls(QWidget* window, std::span<const Control> rows) {
    std::map<int, QString> stops; // by place in the tab order
    for (const Control& row : rows) {
        SCOPED_TRACE(row.name);
        auto* w = window->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.parent));
        EXPECT_EQ(captionOf(w), QLatin1String(row.caption ? row.caption : ""));
        // Not clipped; Pixmoth's option buttons keep the fixed pixel places
        // of its column and are left out.
        EXPECT_TRUE(!row.caption || w->width() >= w->sizeHint().width()) << w->width(); // not cut
        EXPECT_TRUE(row.caption || !w->accessibleName().isEmpty());
        auto* buddy = row.buddy ? window->findChild<QWidget*>(QLatin1String(row.buddy)) : nullptr;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->buddy(), buddy);
        }
        if (row.key) {
            activate(window);
            std::optional<QSignalSpy> presses;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                presses.emplace(button, &QAbstractButton::clicked);
            const bool moves = QApplication::focusWidget() != buddy;
            QTest::keyClick(window, Qt::Key(row.key), Qt::AltModifier);
            if (buddy) {
                EXPECT_EQ(QApplication::focusWidget(), buddy);
                EXPECT_TRUE(!moves || wholeTextSelected(buddy)); // selected as it gets the focus
            } else {
                // A button's access key presses it after a short visible press.
                ASSERT_TRUE(presses.has_value());
                EXPECT_TRUE(QTest::qWaitFor([&] { return presses->size() == 1; }));
            }
        }
        if (row.tab)
            stops[row.tab] = QLatin1String(row.name);
    }
    if (stops.empty())
        return;
    activate(window);
    QStringList expected;
    for (const auto& [tab, name] : stops)
        expected << name;
    expected << expected.first();
    auto* first = window->findChild<QWidget*>(expected.first());
    EXPECT_EQ(tabRound(first, int(expected.size())), expected.join(QLatin1Char(' ')).toStdString());
}

std::string tabRound(QWidget* first, int count) {
    first->setFocus();
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        visited << (focus ? focus->objectName() : QStringLiteral("<none>"));
        if (!wholeTextSelected(focus))
            visited.last() += QLatin1String("(unselected)");
    }
    return visited.join(QLatin1Char(' ')).toStdString();
}

} // namespace felgrove::test
