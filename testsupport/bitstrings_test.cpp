#include "testsupport/bitstrings.h"

#include <gtest/gtest.h>

namespace {

TEST(DecToBin, LowestEightDigits) {
    const std::pair<qint32, const char*> cases[] = {
        {0, "00000000"},   {1, "00000001"},    {5, "00000101"},
        {255, "11111111"}, {256, "00000000"},  {300, "00101100"},
        {-1, "00000000"},  {-300, "00000000"}, {0x1b, "00011011"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(pixmoth::DecToBin(n), QLatin1String(text)) << n;
}

TEST(BinToDec, SumsTheOnes) {
    const std::pair<const char*, qint32> cases[] = {{"0110", 6}, {"", 0},   {"11111111", 255},
                                                    {"01", 1},   {"10", 2}, {"1x1", 5}};
    for (const auto& [text, n] : cases)
        EXPECT_EQ(pixmoth::BinToDec(QLatin1String(text)), n) << text;
    for (int n = 0; n < 256; ++n)
        ASSERT_EQ(pixmoth::BinToDec(pixmoth::DecToBin(n)), n);
}

TEST(IsWholeNumber, NoSeparatorAndANumber) {
    const std::pair<const char*, bool> cases[] = {{"2", true},      {"1000", true},
                                                  {"0,125", false}, {"0.125", false},
                                                  {"abc", false},   {"", false}};
    for (const auto& [text, whole] : cases)
        EXPECT_EQ(pixmoth::IsWholeNumber(QLatin1String(text)), whole) << text;
}

TEST(SkippaDecimaler, WholePartOrOneMore) {
    struct Case {
        const char* text;
        bool addOne;
        qint32 result;
    };
    const Case cases[] = {
        {"2,25", false, 2},  {"2,25", true, 3},  {"2.25", false, 2},
        {"2.25", true, 3},   {"40", false, 40},  {"40", true, 40},
        {"0,875", false, 0}, {"0,875", true, 1}, {"3.0", true, 4},
    };
    for (const Case& c : cases) {
        QString text = QLatin1String(c.text);
        EXPECT_EQ(pixmoth::SkippaDecimaler(text, c.addOne), c.result) << c.text;
    }
    QString callers = QStringLiteral("2,25");
    pixmoth::SkippaDecimaler(callers, false);
    EXPECT_EQ(callers, QLatin1String("2.25"));
}

} // namespace
