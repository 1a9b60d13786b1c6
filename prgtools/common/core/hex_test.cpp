#include "prgtools/common/core/hex.h"

#include <gtest/gtest.h>

namespace {

struct FourHexCase {
    const char* text;
    bool valid;
};

TEST(Kontrollera4HEX, AcceptsExactlyFourLowerCaseDigits) {
    const FourHexCase cases[] = {
        {"c000", true},  {"0801", true},  {"ffff", true},   {"0000", true},
        {"C000", false}, {"801", false},  {"08010", false}, {"", false},
        {"12 4", false}, {"g000", false}, {" c00", false},  {"0x80", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prg::Kontrollera4HEX(QString::fromUtf8(c.text)), c.valid) << c.text;
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
