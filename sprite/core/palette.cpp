#include "sprite/core/palette.h"

namespace pixmoth {

namespace {

struct Rgb {
    int red, green, blue;
};

constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},
    {255, 255, 255},
    {137, 64, 54},
    {122, 191, 199},
    {138, 70, 174},
    {104, 169, 65},
    {62, 49, 162},
    {208, 220, 113},
    {144, 95, 37},
    {92, 71, 0},
    {187, 119, 109},
    {85, 85, 85},
    {128, 128, 128},
    {172, 234, 136},
    {124, 112, 218},
    {171, 171, 171},
}};

bool inPalette(qint32 index) {
    return index >= 0 && index < 16;
}

} // namespace

const std::array<QString, 17>& ColourNames() {
    static const std::array<QString, 17> names = {
        QStringLiteral("Black"),  QStringLiteral("White"),   QStringLiteral("Red"),
        QStringLiteral("Cyan"),   QStringLiteral("Purple"),  QStringLiteral("Green"),
        QStringLiteral("Blue"),   QStringLiteral("Yellow"),  QStringLiteral("L Brown"),
        QStringLiteral("Brown"),  QStringLiteral("Pink"),    QStringLiteral("D Grey"),
        QStringLiteral("M Grey"), QStringLiteral("L Green"), QStringLiteral("L Blue"),
        QStringLiteral("L Grey"), QStringLiteral("[none]"),
    };
    return names;
}

QRgb paletteQRgb(int index) {
    if (!inPalette(index))
        return qRgb(0, 0, 0);
    const Rgb& c = kPalette[std::size_t(index)];
    return qRgb(c.red, c.green, c.blue);
}

} // namespace pixmoth
