#pragma once

#include <string>

class QWidget;

namespace felgrove::test {

// What a screen reader hears against what the screen shows, for `window` and
// every widget inside it: a label (status bar panels included), a button, a
// check box, an option button or a frame with a caption must be announced by
// its visible text (without the access-key marker) or, for a button whose
// caption is mere signs such as "...", by a name in words; a label must carry
// no accessible name of its own. Returns one line per widget that breaks
// this, naming the widget, the text shown and the name announced; nothing
// when the whole window reads right.
std::string misreadTexts(QWidget* window);

} // namespace felgrove::test
