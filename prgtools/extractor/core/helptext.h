#pragma once

#include <QString>

namespace slivra {

// The text of the Help box: thirteen lines joined by CR LF.
QString helpText();

} // namespace slivra
