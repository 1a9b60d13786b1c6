// The "Values per row" box read from any text, against a reference built on
// the standard library's number reading: a decimal number with an optional sign
// and point, blanks around it, rounded half to even, valid in 1..32.
#include "fuzz/fields.h"
#include "prgtools/bytetable/core/valuesperrow.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstdint>

using Verdict = nembra::ValuesPerRow::Verdict;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const nembra::ValuesPerRow parsed = nembra::parseValuesPerRow(text);

    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]*(\\.[0-9]*)?$"));
    const QString trimmed = text.trimmed();
    const qsizetype digits = trimmed.count(QRegularExpression(QStringLiteral("[0-9]")));
    const bool numeric = digits > 0 && number.match(trimmed).hasMatch();
    fuzz::expect((parsed.verdict != Verdict::NotNumeric) == numeric, "numeric verdict differs");
    if (parsed.verdict == Verdict::Valid)
        fuzz::expect(parsed.value >= 1 && parsed.value <= 32, "a valid value outside 1-32");
    else
        fuzz::expect(parsed.value == 0, "a value without a valid verdict");
    if (!numeric || digits > 15)
        return 0; // beyond what a double holds exactly

    // from_chars reads the same in every locale; it takes no "+".
    QByteArray latin = trimmed.toLatin1();
    if (latin.startsWith('+'))
        latin.remove(0, 1);
    double value = 0;
    std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    const double rounded = std::nearbyint(value); // halves to the even neighbour
    const bool inRange = rounded >= 1 && rounded <= 32;
    fuzz::expect((parsed.verdict == Verdict::Valid) == inRange, "range verdict differs");
    if (inRange)
        fuzz::expect(parsed.value == int(rounded), "rounded value differs");
    return 0;
}
