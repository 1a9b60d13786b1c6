#include "prgtools/common/core/hex.h"

#include <gtest/gtest.h>

namespace {

// An address is typed as exactly four lower-case digits.
TEST(Kontrollera4HEX, AcceptsExactlyFourLowerCaseDigits) {
    const std::pair<const char*, int> cases[] = {
        {"c000", 0xc000}, {"0801", 0x0801}, {"ffff", 0xffff}, {"0000", 0},
        {"C000", -1},     {"801", -1},      {"08010", -1},    {"", -1},
        {"12 4", -1},     {"g000", -1},     {" c00", -1},     {"0x80", -1},
    };
    for (const auto& [text, address] : cases) {
        EXPECT_EQ(prg::Kontrollera4HEX(QString::fromUtf8(text)), address >= 0) << text;
        EXPECT_EQ(prg::fourDigitAddress(QString::fromUtf8(text)).value_or(-1), address) << text;
    }
}

// Any digits in either case, read as an unsigned 32-bit number; a refusal
// names the text and the tool.
TEST(HexToDec, ReadsEitherCaseAsUnsigned) {
    const std::pair<const char*, qint32> rows[] = {
        // -1: refused
        {"0801", 2049}, {"ffff", 65535}, {"FFFF", 65535}, {"", 0},
        {"7", 7},       {"c0", 192},     {"zz", -1},      {"7fffffff", 0x7fffffff},
        {"12 4", -1},   {"-1", -1},      {"80000000", -1}};
    for (const auto& [text, value] : rows) {
        const auto result = prg::HexToDec(QString::fromUtf8(text), QStringLiteral("Nembra"));
        EXPECT_EQ(result.ok() ? result.value() : -1, value) << text;
        if (!result.ok()) {
            EXPECT_NE(result.failure().number, 0);
            EXPECT_TRUE(result.failure().description.contains(QLatin1String(text)));
            EXPECT_EQ(result.failure().source, QLatin1String("Nembra"));
        }
    }
}

TEST(Omvandla, GivesTwoUpperCaseDigits) {
    const std::pair<int, const char*> cases[] = {{0, "00"},  {8, "08"},   {15, "0F"},
                                                 {16, "10"}, {171, "AB"}, {255, "FF"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(prg::Omvandla(quint8(value)), QLatin1String(text)) << value;
}

} // namespace
