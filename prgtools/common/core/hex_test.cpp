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

struct HexCase {
    const char* text;
    bool ok;
    qint32 value;
};

TEST(HexToDec, ReadsEitherCaseAsUnsigned) {
    const HexCase cases[] = {
        {"0801", true, 2049},
        {"ffff", true, 65535},
        {"FFFF", true, 65535},
        {"", true, 0},
        {"7", true, 7},
        {"c0", true, 192},
        {"7fffffff", true, 0x7fffffff},
        {"zz", false, 0},
        {"12 4", false, 0},
        {"-1", false, 0},
        {"80000000", false, 0},
    };
    for (const auto& c : cases) {
        const auto result = prg::HexToDec(QString::fromUtf8(c.text), QStringLiteral("Slivra"));
        ASSERT_EQ(result.ok(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(result.value(), c.value) << c.text;
        }
    }
}

TEST(HexToDec, FailureNamesTheTextAndTheSource) {
    const auto result = prg::HexToDec(QStringLiteral("zz"), QStringLiteral("Nembra"));
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.failure().number, 0);
    EXPECT_TRUE(result.failure().description.contains(QLatin1String("zz")));
    EXPECT_EQ(result.failure().source, QLatin1String("Nembra"));
}

TEST(Omvandla, GivesTwoUpperCaseDigits) {
    const std::pair<int, const char*> cases[] = {{0, "00"},  {8, "08"},   {15, "0F"},
                                                 {16, "10"}, {171, "AB"}, {255, "FF"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(prg::Omvandla(quint8(value)), QLatin1String(text)) << value;
}

} // namespace
