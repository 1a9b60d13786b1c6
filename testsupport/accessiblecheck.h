#pragma once

#include <QString>

#include <string>

class QWidget;

namespace felgrove::test {

// The caption a label, button or frame shows ("&" marks and all), else "".
QString caption(const QWidget* widget);

// What a screen reader hears against what the screen shows, for `window` and
// every widget in it: a label, button or frame with a caption is heard by its
// visible text or, a button captioned in mere signs such as "...", by a name
// in words; a label carries no accessible name of its own. One line per
// widget that breaks this, naming it, the text shown and the name heard.
std::string misreadTexts(QWidget* window);

} // namespace felgrove::test
