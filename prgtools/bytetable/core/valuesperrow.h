#pragma once

#include <QString>

namespace nembra {

// A table row holds 1 to 32 values; anything else is refused with this text.
constexpr int kMostValuesPerRow = 32;
constexpr char kValuesOutOfRange[] = "Value per row must be between 1-32";

// What the "Values per row" box holds: a number a person typed, or not.
struct ValuesPerRow {
    enum class Verdict { Valid, NotNumeric, OutOfRange };
    Verdict verdict = Verdict::NotNumeric;
    int value = 0; // 1..kMostValuesPerRow when valid
};

// Reads the box as a decimal number: blanks around it, an optional sign, digits
// with an optional decimal point ("8", "08", " 8", "8.0", ".5"). The number is
// rounded to a whole one, halves to the even neighbour (.5 gives 0, 2.5 gives
// 2), and must then lie in 1..kMostValuesPerRow. Any length of number is judged correctly:
// "99999999999999999999" is out of range, not an overflow.
ValuesPerRow parseValuesPerRow(const QString& text);

} // namespace nembra
