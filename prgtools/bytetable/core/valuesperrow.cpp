#include "prgtools/bytetable/core/valuesperrow.h"

namespace nembra {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype skipDigits(const QString& text, qsizetype at) {
    while (at < text.size() && isDigit(text.at(at)))
        ++at;
    return at;
}

ValuesPerRow outOfRange() {
    return {ValuesPerRow::Verdict::OutOfRange, 0};
}

// Rounds whole.fraction to the nearest whole number, halves to the even one.
// `whole` is small (at most two significant digits); `fraction` is the digit
// text after the point.
int roundHalfEven(int whole, QStringView fraction) {
    if (fraction.isEmpty() || fraction.at(0) < QLatin1Char('5'))
        return whole;
    if (fraction.at(0) > QLatin1Char('5'))
        return whole + 1;
    for (QChar c : fraction.mid(1)) {
        if (c != QLatin1Char('0'))
            return whole + 1; // above the half
    }
    return whole % 2 == 0 ? whole : whole + 1;
}

} // namespace

ValuesPerRow parseValuesPerRow(const QString& typed) {
    const QString text = typed.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text.at(at) == QLatin1Char('+') || text.at(at) == QLatin1Char('-'))) {
        negative = text.at(at) == QLatin1Char('-');
        ++at;
    }
    const qsizetype wholeStart = at;
    at = skipDigits(text, at);
    const qsizetype wholeEnd = at;
    qsizetype fractionStart = at;
    qsizetype fractionEnd = at;
    if (at < text.size() && text.at(at) == QLatin1Char('.')) {
        fractionStart = at + 1;
        fractionEnd = at = skipDigits(text, fractionStart);
    }
    const bool hasDigits = wholeEnd > wholeStart || fractionEnd > fractionStart;
    if (!hasDigits || at != text.size())
        return {};

    // Leading zeros say nothing; more than two significant digits is at
    // least 100, far outside the range, however long the text.
    QStringView whole = QStringView(text).mid(wholeStart, wholeEnd - wholeStart);
    while (!whole.isEmpty() && whole.at(0) == QLatin1Char('0'))
        whole = whole.mid(1);
    if (whole.size() > 2)
        return outOfRange();
    const int rounded =
        roundHalfEven(whole.isEmpty() ? 0 : whole.toInt(),
                      QStringView(text).mid(fractionStart, fractionEnd - fractionStart));
    if (negative || rounded < 1 || rounded > kMostValuesPerRow)
        return outOfRange();
    return {ValuesPerRow::Verdict::Valid, rounded};
}

} // namespace nembra
