#include "sprite/ui/resultwindow.h"

#include "desktop/announce.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace pixmoth {

namespace {

// Inner size of the window and of its text box, which sits one pixel below
// the window's top edge.
constexpr int kInnerWidth = 321;
constexpr int kInnerHeight = 345;
constexpr int kBoxHeight = 343;

// The longest line of the text (a full hexadecimal line) and the most lines
// (binary notation); the box is made big enough to show them whole.
constexpr int kLongestLine = 37;
constexpr int kMostLines = 22;

QFont outputFont() {
    const QString fixedsys = QStringLiteral("Fixedsys");
    QFont font = QFontDatabase::families().contains(fixedsys, Qt::CaseInsensitive)
                     ? QFont(fixedsys)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    // The text is plain ASCII: laying it out without glyph shaping looks the
    // same and halves the time each press takes to show it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

ResultWindow::ResultWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), txtOutput(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmResult"));
    felgrove::announceAsWindow(this);
    setWindowTitle(QStringLiteral("Sprite output"));
    setAttribute(Qt::WA_DeleteOnClose);

    txtOutput->setObjectName(QStringLiteral("txtOutput"));
    txtOutput->setAccessibleName(QStringLiteral("Sprite output"));
    txtOutput->setFont(outputFont());
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput->setReadOnly(true);
    // Read-only, yet the keyboard can still move the selection and copy it.
    txtOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtOutput->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, kInnerHeight - kBoxHeight - 1);
    layout->addWidget(txtOutput);
    fitTextBox();
}

void ResultWindow::fitTextBox() {
    const QFontMetrics metrics(txtOutput->font());
    const int chrome =
        2 * (txtOutput->frameWidth() + int(std::ceil(txtOutput->document()->documentMargin())));
    const int textWidth = metrics.horizontalAdvance(QString(kLongestLine, QLatin1Char('$')));
    const int textHeight = kMostLines * metrics.lineSpacing();
    const int boxWidth = std::max(kInnerWidth, textWidth + chrome + 2);
    const int boxHeight = std::max(kBoxHeight, textHeight + chrome + 2);
    resize(boxWidth, boxHeight + kInnerHeight - kBoxHeight);
}

void ResultWindow::showText(const QString& text) {
    txtOutput->setPlainText(text);
    txtOutput->selectAll();
    show();
    raise();
    activateWindow();
    txtOutput->setFocus(Qt::OtherFocusReason);
}

ResultWindow* ResultWindow::showResult(QPointer<ResultWindow>& holder, QWidget* owner,
                                       const QString& text) {
    if (holder.isNull()) {
        holder = new ResultWindow(owner);
        if (owner)
            holder->placeBeside(owner->window());
    }
    holder->showText(text);
    return holder.data();
}

// To the right of the main window, so the picture stays in sight, but never
// off the screen.
void ResultWindow::placeBeside(const QWidget* main) {
    constexpr int kGap = 8;
    const QRect owner = main->frameGeometry();
    QPoint at(owner.right() + 1 + kGap, owner.top());
    if (const QScreen* screen = main->screen()) {
        // Not shown yet, this window has no frame of its own: assume the
        // main window's.
        const QSize outer = size() + owner.size() - main->size();
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    }
    move(at);
}

bool ResultWindow::closesOn(const QKeyEvent* event) const {
    return event->key() == Qt::Key_Escape && !event->isAutoRepeat();
}

void ResultWindow::keyReleaseEvent(QKeyEvent* event) {
    if (closesOn(event)) {
        close();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtOutput && event->type() == QEvent::KeyRelease &&
        closesOn(static_cast<QKeyEvent*>(event))) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pixmoth
