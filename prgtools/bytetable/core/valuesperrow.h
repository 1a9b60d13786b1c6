#pragma once

#include <QString>

namespace nembra {

// What the "Values per row" box holds: a number a person typed, or not.
struct ValuesPerRow {
    enum class Verdict { Valid, NotNumeric, OutOfRange };
    Verdict verdict = Verdict::NotNumeric;
    int value = 0; // 1..32 when valid
};

// Reads the box as a decimal number: blanks around it, an optional sign, digits
// with an optional decimal point ("8", "08", " 8", "8.0", ".5"). The number is
// rounded to a whole one, halves to the even neighbour (.5 gives 0, 2.5 gives
// 2), and must then lie in 1..32. Any length of number is judged correctly:
// "99999999999999999999" is out of range, not an overflow.
ValuesPerRow parseValuesPerRow(const QString& text);

} // namespace nembra
