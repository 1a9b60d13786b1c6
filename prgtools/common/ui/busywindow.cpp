#include "prgtools/common/ui/busywindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace prg {

BusyWindow::BusyWindow(QWidget* window, QAbstractButton* convert, bool& busy)
    : m_window(window), m_convert(convert), m_busy(busy), m_focus(QApplication::focusWidget()) {
    m_busy = true;
    m_convert->setEnabled(false);
    m_window->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyWindow::~BusyWindow() {
    QApplication::restoreOverrideCursor();
    m_window->setEnabled(true);
    m_convert->setEnabled(true);
    m_busy = false;
    if (m_focus)
        m_focus->setFocus(Qt::OtherFocusReason);
}

} // namespace prg
