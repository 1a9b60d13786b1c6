#pragma once

#include <QAccessible>

class QString;
class QWidget;

namespace felgrove {

// Lets `factory` make the accessible forms of the widgets it knows. However
// often it is called for the same factory, the toolkit asks it once.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);

// Screen readers announce `window` as a window (a frame) under its title,
// not as a bare panel. Call before anything asks for its accessible form.
void announceAsWindow(QWidget* window);

// Screen readers speak `text` at once, whatever has the focus, while the
// screen stays as it is: a result that appears away from the focus (a
// status text, the position of the capture box). The text is offered as news
// of the status bar of the window that holds `inside` (of that window when it
// has none), which screen readers read without a role name.
void announce(QWidget* inside, const QString& text);

} // namespace felgrove
