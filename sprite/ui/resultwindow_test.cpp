#include "sprite/ui/resultwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using pixmoth::ResultWindow;

// Sprite texts as Generate makes them: eight lines in hexadecimal, or
// twenty-two in binary, the lines joined by CR LF.
const QString kHex =
    QStringLiteral(".byte $A5,$FF,$00,$00,$00,$00,$00,$01\r\n").repeated(8).chopped(2);
const QString kBinary = QStringLiteral(".byte %11111111,%00000000,%10101010\r\n").repeated(21) +
                        QStringLiteral(".byte %00000000");

// The text box keeps its lines as paragraphs joined by "\n".
QString shown(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Lets the window events run and deletes the windows that were closed.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each press shows its text in the same window, not modal, wholly selected,
// every line whole without a scroll bar in a window of at least 321 x 345, in
// a font whose characters are all as wide (fontconfig does not always tell
// QFontInfo that a font is fixed-pitch, so measure); Ctrl+C copies it.
// Escape, in the text box or on the window, closes and destroys the window;
// other keys do not. The next press creates it again.
TEST(ResultWindow, ShowsEachTextWhollySelectedAndWholeUntilEscape) {
    const std::pair<QString, int> presses[] = {{kHex, 0}, {kBinary, 1}, {kHex, 2}, {kBinary, 0}};
    QPointer<ResultWindow> holder;
    for (const auto& [text, escape] :
         presses) { // Escape: 0 none, 1 in the text box, 2 on the window
        const ResultWindow* before = holder.data();
        ResultWindow* window = ResultWindow::showResult(holder, nullptr, text);
        ASSERT_EQ(window, holder.data());
        EXPECT_TRUE(before == nullptr || window == before);
        EXPECT_TRUE(window->isVisible() && !window->isModal());
        settle();
        QPlainTextEdit* box = window->output();
        EXPECT_EQ(box->toPlainText(), shown(text));
        EXPECT_EQ(box->textCursor().selectionStart(), 0);
        EXPECT_EQ(box->textCursor().selectionEnd(), box->toPlainText().size());
        EXPECT_TRUE(window->width() >= 321 && window->height() >= 345);
        EXPECT_EQ(box->width(), window->width());
        EXPECT_EQ(box->horizontalScrollBar()->maximum() + box->verticalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(box->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
                  metrics.horizontalAdvance(QStringLiteral("$MW%")));
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(shown(QGuiApplication::clipboard()->text()), shown(text));
        box->moveCursor(QTextCursor::Start); // the next press selects again
        QWidget* target = escape == 1 ? static_cast<QWidget*>(box) : window;
        QTest::keyRelease(target, Qt::Key_A);
        settle();
        ASSERT_FALSE(holder.isNull());
        if (escape != 0)
            QTest::keyRelease(target, Qt::Key_Escape);
        settle();
        EXPECT_EQ(holder.isNull(), escape != 0);
    }
    delete holder.data();
}

} // namespace
