#pragma once

#include <QString>

namespace slivra {

// Where the help text sends people for more tools and artwork.
inline const QString kWebAddress = QStringLiteral("https://felgrove.example.org");

// The thirteen lines of the help box, joined by CR LF.
QString helpText();

} // namespace slivra
