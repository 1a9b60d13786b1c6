#include "sprite/ui/resultwindow.h"
#include "testsupport/pixmoth_window_driver.h"

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

// Sprite texts as Generate makes them: eight lines in hexadecimal, or
// twenty-two in binary, the lines joined by CR LF.
const QString kHex = QStringLiteral(".byte $A5,$FF,$00,$00,$00,$00,$00,$01\r\n").repeated(8).chopped(2);
const QString kBinary =
    QStringLiteral(".byte %11111111,%00000000,%10101010\r\n").repeated(21) + QStringLiteral(".byte %00000000");

// The text box keeps its lines as paragraphs joined by "\n".
QString shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Each press shows its text in the same window, wholly selected, every line
// whole without a scroll bar, in a font whose characters are all as wide
// (fontconfig does not always tell QFontInfo that a font is fixed-pitch, so
// measure); Ctrl+C copies it.
TEST(ResultWindow, ShowsEachTextWhollySelectedAndWhole) {
    QPointer<ResultWindow> holder;
    ResultWindow* first = nullptr;
    for (const QString& text : {kHex, kBinary, kHex}) {
        ResultWindow* window = ResultWindow::showResult(holder, nullptr, text);
        ASSERT_EQ(window, holder.data());
        EXPECT_TRUE(first == nullptr || window == first);
        first = window;
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        settle();
        QPlainTextEdit* box = window->output();
        EXPECT_EQ(box->toPlainText(), shown(text));
        EXPECT_EQ(box->textCursor().selectionStart(), 0);
        EXPECT_EQ(box->textCursor().selectionEnd(), box->toPlainText().size());
        EXPECT_GE(window->width(), 321); // never smaller than 321 x 345
        EXPECT_GE(window->height(), 345);
        EXPECT_EQ(box->width(), window->width());
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(box->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
                  metrics.horizontalAdvance(QStringLiteral("$MW%")));
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(shown(QGuiApplication::clipboard()->text()), shown(text));
        box->moveCursor(QTextCursor::Start); // the next press selects again
    }
    delete first;
}

// Escape, in the text box or on the window, closes and destroys the window;
// other keys do not. The next press creates it again.
TEST(ResultWindow, EscapeClosesAndDestroys) {
    for (const bool inTextBox : {true, false}) {
        QPointer<ResultWindow> holder;
        ResultWindow::showResult(holder, nullptr, kHex);
        QWidget* target = inTextBox ? static_cast<QWidget*>(holder->output()) : holder.data();
        QTest::keyRelease(target, Qt::Key_A);
        settle();
        ASSERT_FALSE(holder.isNull());
        EXPECT_TRUE(holder->isVisible());
        QTest::keyRelease(target, Qt::Key_Escape);
        settle();
        EXPECT_TRUE(holder.isNull()) << inTextBox;
        ResultWindow* again = ResultWindow::showResult(holder, nullptr, kBinary);
        ASSERT_NE(again, nullptr);
        EXPECT_TRUE(again->isVisible());
        delete again;
    }
}

} // namespace
