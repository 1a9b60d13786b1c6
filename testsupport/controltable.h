#pragma once

#include <span>
#include <string>

class QWidget;

namespace felgrove::test {

struct Control {
    const char* name;    // object name
    const char* parent;  // object name of the widget it sits in
    const char* caption; // text of a label, button or frame; nullptr: none
    char key;            // access key pressed with Alt; 0: none
    const char* buddy;   // for a label: the box it names and its key focuses
    int tab;             // place in the tab order from 1; 0: no tab stop
};

// Checks every row against the shown `window`: the control sits in its parent,
// shows its caption unclipped or has an accessible name, a label names its
// buddy, and Alt with its key focuses the buddy (its text selected) or presses
// the control. Then Tab visits the tab stops in order and round again.
void expectControls(QWidget* window, std::span<const Control> rows);

// The object names Tab visits from `first`, `count` in all, joined by blanks;
// a box visited without its whole text selected is marked "(unselected)".
std::string tabRound(QWidget* first, int count);

} // namespace felgrove::test
