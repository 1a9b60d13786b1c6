#pragma once

#include <QPointer>

class QAbstractButton;
class QWidget;

namespace prg {

// A PRG tool's window while a conversion runs: the window and its convert
// button disabled, the busy pointer shown and `busy` set (the window refuses
// to close meanwhile). All of it is undone when the guard ends, however the
// conversion ended, and the focus goes back where it was.
class BusyWindow {
public:
    BusyWindow(QWidget* window, QAbstractButton* convert, bool& busy);
    ~BusyWindow();

    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget* m_window;
    QAbstractButton* m_convert;
    bool& m_busy;
    QPointer<QWidget> m_focus;
};

} // namespace prg
