#include "prgtools/bytetable/core/valuesperrow.h"

#include <gtest/gtest.h>

namespace {

using Verdict = nembra::ValuesPerRow::Verdict;
constexpr auto V = Verdict::Valid;
constexpr auto N = Verdict::NotNumeric;
constexpr auto R = Verdict::OutOfRange;

// The number as a person types it; halves go to the even neighbour, anything
// above a half goes up.
TEST(ValuesPerRow, IsReadAsAPersonTypesIt) {
    const struct {
        const char* text;
        Verdict verdict;
        int value;
    } rows[] = {{"8", V, 8},
                {"08", V, 8},
                {" 8", V, 8},
                {"8 ", V, 8},
                {"\t8\t", V, 8},
                {"8.0", V, 8},
                {"8.", V, 8},
                {"+8", V, 8},
                {"1", V, 1},
                {"32", V, 32},
                {"000000000000000000008", V, 8},
                {"1.5", V, 2},
                {"2.5", V, 2},
                {"2.50000", V, 2},
                {"2.5000001", V, 3},
                {"3.5", V, 4},
                {"0.51", V, 1},
                {"32.4", V, 32},
                {"32.5", V, 32},
                {"0.6", V, 1},
                {"0", R, 0},
                {"33", R, 0},
                {"-1", R, 0},
                {".5", R, 0},
                {"0.4", R, 0},
                {"-0", R, 0},
                {"32.6", R, 0},
                {"33.5", R, 0},
                {"100", R, 0},
                {"32768", R, 0},
                {"65544", R, 0},
                {"99999999999999999999999999", R, 0},
                {"-99999999999999999999999999.5", R, 0},
                {"", N, 0},
                {"   ", N, 0},
                {"ab", N, 0},
                {".", N, 0},
                {"+", N, 0},
                {"-.", N, 0},
                {"8a", N, 0},
                {"1 2", N, 0},
                {"--1", N, 0},
                {"1.2.3", N, 0},
                {"0x10", N, 0},
                {"$8", N, 0}};
    for (const auto& r : rows) {
        const nembra::ValuesPerRow parsed = nembra::parseValuesPerRow(QString::fromLatin1(r.text));
        EXPECT_EQ(parsed.verdict, r.verdict) << '"' << r.text << '"';
        EXPECT_EQ(parsed.verdict == V ? parsed.value : 0, r.value) << '"' << r.text << '"';
    }
}

} // namespace
