#pragma once

#include <QString>

namespace nembra {

// The text of the Help box: three paragraphs joined by a blank line (CR LF
// CR LF).
QString helpText();

} // namespace nembra
