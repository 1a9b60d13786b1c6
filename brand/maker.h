#pragma once

#include <QString>

namespace felgrove {

// The makers' name, as the desktop and the settings know them.
inline const QString kMaker = QStringLiteral("Felgrove");

// Where the help texts send people for more tools and artwork.
inline const QString kWebAddress = QStringLiteral("https://felgrove.example.org");

} // namespace felgrove
