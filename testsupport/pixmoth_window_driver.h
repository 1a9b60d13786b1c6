#pragma once

// Drives Pixmoth's main window for its tests as its user does: with the
// arrow keys and the menu's options.

#include "sprite/ui/maincontrols.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/pictureview.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

namespace pixmoth::test {

// One arrow key pressed and released on `target`, a control of the window.
inline void pressArrow(QWidget* target, Qt::Key key) {
    QTest::keyPress(target, key);
    QTest::keyRelease(target, key);
}

// Moves the capture box with the arrow keys until its corner lies at (px, py)
// picture pixels (px even) at the window's magnification: into the top-left
// corner and on by whole sprites with Align to grid on, the rest by
// multicolour pixels with it off. The option is then as it was; every step
// captures, as the user's would.
inline void moveBoxTo(MainWindow& window, int px, int py) {
    const MainControls& c = window.controls();
    QWidget* target = c.picStd;
    const bool aligned = c.mnuAlignToGrid->isChecked();
    if (!aligned)
        c.mnuAlignToGrid->trigger();
    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            pressArrow(target, key);
    };
    press(Qt::Key_Left, 13);
    press(Qt::Key_Up, 9);
    press(Qt::Key_Right, px / 24);
    press(Qt::Key_Down, py / 21);
    c.mnuAlignToGrid->trigger();
    press(Qt::Key_Right, px % 24 / 2);
    press(Qt::Key_Down, py % 21);
    if (aligned)
        c.mnuAlignToGrid->trigger();
}

// Lets the window events run and deletes the windows that were closed.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace pixmoth::test
