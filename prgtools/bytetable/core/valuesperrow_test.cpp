#include "prgtools/bytetable/core/valuesperrow.h"

#include <gtest/gtest.h>

namespace {

using nembra::parseValuesPerRow;
using Verdict = nembra::ValuesPerRow::Verdict;

struct Row {
    const char* text;
    Verdict verdict;
    int value;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << '"' << row.text << '"';
}

class ValuesPerRowText : public ::testing::TestWithParam<Row> {};

TEST_P(ValuesPerRowText, IsReadAsAPersonTypesIt) {
    const Row& row = GetParam();
    const nembra::ValuesPerRow parsed = parseValuesPerRow(QString::fromLatin1(row.text));
    EXPECT_EQ(parsed.verdict, row.verdict);
    if (row.verdict == Verdict::Valid) {
        EXPECT_EQ(parsed.value, row.value);
    }
}

constexpr auto V = Verdict::Valid;
constexpr auto N = Verdict::NotNumeric;
constexpr auto R = Verdict::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Numbers, ValuesPerRowText,
    ::testing::Values(Row{"8", V, 8}, Row{"08", V, 8}, Row{" 8", V, 8}, Row{"8 ", V, 8},
                      Row{"\t8\t", V, 8}, Row{"8.0", V, 8}, Row{"8.", V, 8}, Row{"+8", V, 8},
                      Row{"1", V, 1}, Row{"32", V, 32}, Row{"000000000000000000008", V, 8},
                      // Halves go to the even neighbour; anything above a half goes up.
                      Row{"1.5", V, 2}, Row{"2.5", V, 2}, Row{"2.50000", V, 2},
                      Row{"2.5000001", V, 3}, Row{"3.5", V, 4}, Row{"0.51", V, 1},
                      Row{"32.4", V, 32}, Row{"32.5", V, 32}, Row{"0.6", V, 1}));

INSTANTIATE_TEST_SUITE_P(OutsideOneToThirtyTwo, ValuesPerRowText,
                         ::testing::Values(Row{"0", R, 0}, Row{"33", R, 0}, Row{"-1", R, 0},
                                           Row{".5", R, 0}, Row{"0.4", R, 0}, Row{"-0", R, 0},
                                           Row{"32.6", R, 0}, Row{"33.5", R, 0}, Row{"100", R, 0},
                                           Row{"99999999999999999999999999", R, 0},
                                           Row{"-99999999999999999999999999.5", R, 0},
                                           Row{"32768", R, 0}, Row{"65544", R, 0}));

INSTANTIATE_TEST_SUITE_P(NotNumbers, ValuesPerRowText,
                         ::testing::Values(Row{"", N, 0}, Row{"   ", N, 0}, Row{"ab", N, 0},
                                           Row{".", N, 0}, Row{"+", N, 0}, Row{"-.", N, 0},
                                           Row{"8a", N, 0}, Row{"1 2", N, 0}, Row{"--1", N, 0},
                                           Row{"1.2.3", N, 0}, Row{"0x10", N, 0}, Row{"$8", N, 0}));

} // namespace
