#pragma once

#include <QString>

#include <span>
#include <string>

class QWidget;

namespace felgrove::test {

// One control of a window as its user meets it.
struct Control {
    const char* name;    // object name
    const char* parent;  // object name of the widget it sits in
    const char* caption; // text of a label, button or frame; nullptr: none
    char key;            // access key pressed with Alt; 0: none
    const char* buddy;   // for a label: the box it names and its key focuses
    int tab;             // place in the tab order from 1; 0: no tab stop
};

// Checks every row against the shown, active `window`: the control sits in
// its parent, shows its caption unclipped, a label names its buddy, a
// control without a caption has an accessible name, and Alt with its key
// focuses the buddy (its whole text selected) or presses the control. Then
// Tab, from the first tab stop, visits the tab stops in order and round
// again. A window a key closes is shown again.
void expectControls(QWidget* window, std::span<const Control> rows);

// The object names that Tab visits from `first`, `count` in all, joined by
// blanks; every box visited has its whole text selected, or the name is
// marked with "(unselected)".
std::string tabRound(QWidget* first, int count);

} // namespace felgrove::test
