#include "sprite/ui/resultwindow.h"
#include "testsupport/spritetext.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using pixmoth::ResultWindow;

using pixmoth::test::settle;
using pixmoth::test::shown;

QString hexText() {
    return pixmoth::test::hexText(QStringLiteral(".byte $A5,$FF,$00,$00,$00,$00,$00,$01"));
}

QString binaryText() {
    return pixmoth::test::binaryText(QStringLiteral(".byte %11111111,%00000000,%10101010"));
}

TEST(ResultWindow, ShowsTheTextWhollySelected) {
    QPointer<ResultWindow> holder;
    ResultWindow* window = ResultWindow::showResult(holder, nullptr, hexText());
    ASSERT_EQ(window, holder.data());
    EXPECT_EQ(window->objectName(), QStringLiteral("frmResult"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sprite output"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());

    QPlainTextEdit* box = window->findChild<QPlainTextEdit*>(QStringLiteral("txtOutput"));
    ASSERT_EQ(box, window->output());
    EXPECT_EQ(box->toPlainText(), shown(hexText()));
    EXPECT_EQ(box->textCursor().selectionStart(), 0);
    EXPECT_EQ(box->textCursor().selectionEnd(), box->toPlainText().size());
    // Every character as wide as any other (fontconfig does not always tell
    // QFontInfo that a font is fixed-pitch, so measure).
    const QFontMetrics metrics(box->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("$MW%")));
    EXPECT_EQ(box->font().pointSize(), 9);

    // A second press replaces the text in the same window, selected again.
    box->moveCursor(QTextCursor::Start);
    EXPECT_EQ(ResultWindow::showResult(holder, nullptr, binaryText()), window);
    EXPECT_EQ(box->toPlainText(), shown(binaryText()));
    EXPECT_EQ(box->textCursor().selectedText().size(), box->toPlainText().size());
    delete window;
}

TEST(ResultWindow, SizesFitTheLongestLineAndAllLines) {
    ResultWindow window;
    for (const QString& text : {hexText(), binaryText()}) {
        window.showText(text);
        settle();
        EXPECT_GE(window.width(), 321);
        EXPECT_GE(window.height(), 345);
        EXPECT_EQ(window.output()->geometry().topLeft(), QPoint(0, 1));
        EXPECT_EQ(window.output()->width(), window.width());
        EXPECT_EQ(window.output()->height(), window.height() - 2);
        EXPECT_EQ(window.output()->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(window.output()->verticalScrollBar()->maximum(), 0);
    }
}

TEST(ResultWindow, CtrlCCopiesTheText) {
    ResultWindow window;
    window.showText(hexText());
    QTest::keyClick(window.output(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(shown(QGuiApplication::clipboard()->text()), shown(hexText()));
}

TEST(ResultWindow, EscapeClosesAndDestroys) {
    for (const bool inTextBox : {true, false}) {
        QPointer<ResultWindow> holder;
        ResultWindow::showResult(holder, nullptr, hexText());
        QWidget* target = inTextBox ? static_cast<QWidget*>(holder->output()) : holder.data();

        QTest::keyRelease(target, Qt::Key_A);
        settle();
        ASSERT_FALSE(holder.isNull());
        EXPECT_TRUE(holder->isVisible());

        QTest::keyRelease(target, Qt::Key_Escape);
        settle();
        EXPECT_TRUE(holder.isNull()) << inTextBox;

        // The next press creates it again.
        ResultWindow* again = ResultWindow::showResult(holder, nullptr, binaryText());
        ASSERT_NE(again, nullptr);
        EXPECT_TRUE(again->isVisible());
        EXPECT_EQ(again->output()->toPlainText(), shown(binaryText()));
        delete again;
    }
}

} // namespace
