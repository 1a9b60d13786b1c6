#include "prgtools/common/core/hex.h"

#include <cerrno>

namespace prg {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool Kontrollera4HEX(const QString& text) {
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f')))
            return false;
    }
    return true;
}

std::optional<int> fourDigitAddress(const QString& text) {
    if (!Kontrollera4HEX(text))
        return std::nullopt;
    const Outcome<qint32> address = HexToDec(text, QString());
    if (!address)
        return std::nullopt;
    return *address;
}

Outcome<qint32> HexToDec(const QString& text, const QString& source) {
    qint64 value = 0;
    for (QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return Failure{EINVAL, QStringLiteral("\"%1\" is not a hexadecimal number").arg(text),
                           source};
        value = value * 16 + digit;
        if (value > 0x7fffffff)
            return Failure{
                ERANGE, QStringLiteral("Hexadecimal number \"%1\" is too large").arg(text), source};
    }
    return qint32(value);
}

QString Omvandla(quint8 value) {
    static const char digits[] = "0123456789ABCDEF";
    const QChar pair[2] = {QLatin1Char(digits[value >> 4]), QLatin1Char(digits[value & 15])};
    return QString(pair, 2);
}

QString upperHex(qint64 value) {
    return QString::number(value, 16).toUpper();
}

} // namespace prg
