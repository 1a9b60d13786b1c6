#include "desktop/qtprompts.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>

namespace felgrove {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Room that a title needs in a title bar: its text in the bold title font
// (with a quarter to spare for window managers that set it larger), and the
// icon and the minimise, maximise and close buttons, a square each.
int titleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int square = metrics.height() + 8;
    return metrics.horizontalAdvance(title) * 5 / 4 + 4 * square + 16;
}

} // namespace

void QtPrompts::message(QWidget* parent, PromptIcon icon, const QString& title,
                        const QString& text) {
    messageBox(parent, icon, title, text)->exec();
}

std::unique_ptr<QMessageBox> QtPrompts::messageBox(QWidget* parent, PromptIcon icon,
                                                   const QString& title, const QString& text) {
    // The texts keep their CR LF line ends; a label wants plain line feeds.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    auto box = std::make_unique<QMessageBox>(boxIcon(icon), title, shown, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    // A short text makes a narrow box, and the window manager cuts its title
    // short; a spacer across the box's grid keeps it wide enough.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

QString QtPrompts::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

} // namespace felgrove
