#include "prgtools/bytetable/core/inputchecks.h"
#include "testsupport/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Field = nembra::ConversionField;

// The path checks come first in both PRG tools; the rows show them, then
// Nembra's own checks in their order. A request that passes carries the
// values rounded and the limit as unsigned numbers.
TEST(InputChecks, FirstFailingCheckDecides) {
    QTemporaryDir dir;
    for (const char* name : {"game.prg", ".hidden.prg"})
        prg::test::writeFile(dir.filePath(QLatin1String(name)), "\x01\x08\x60");
    QDir(dir.path()).mkdir(QStringLiteral("folder.prg"));
    const struct {
        const char* in;
        const char* out;
        const char* values;
        const char* message; // nullptr: passes, giving the three numbers at the end
        Field field;
        bool limit = false;
        const char* start = "";
        const char* end = "";
        int perRow = 0;
        int limitStart = -1; // -1: no limit
        int limitEnd = -1;
    } rows[] = {
        {"", "", "", "Input filename is missing", Field::Input},
        {"   ", "game.txt", "8", "Input filename is missing", Field::Input},
        {"none.prg", "game.txt", "8", "Invalid input filename", Field::Input},
        {"*.prg", "game.txt", "8", "Invalid input filename", Field::Input},
        {"folder.prg", "game.txt", "8", "Invalid input filename", Field::Input},
        {"game.prg", "  ", "8", "Output filename is missing", Field::Output},
        {"game.prg", "game.prg", "8", "Output file must not be the input file", Field::Output},
        {"game.prg", "./game.prg", "ab", "Output file must not be the input file", Field::Output},
        {"game.prg", "game.txt", "", "Values per row must be numeric", Field::Values},
        {"game.prg", "game.txt", "ab", "Values per row must be numeric", Field::Values},
        {"game.prg", "game.txt", "0", "Value per row must be between 1-32", Field::Values},
        {"game.prg", "game.txt", ".5", "Value per row must be between 1-32", Field::Values},
        {"game.prg", "game.txt", "123456789012345678901234567890",
         "Value per row must be between 1-32", Field::Values},
        {"game.prg", "game.txt", "8", "You must specify limit start and end", Field::LimitStart,
         true, "", "c000"},
        {"game.prg", "game.txt", "8", "You must specify limit start and end", Field::LimitStart,
         true, "zz", "  "},
        {"game.prg", "game.txt", "8", "Invalid limit start address", Field::LimitStart, true,
         "C000", "zz"},
        {"game.prg", "game.txt", "8", "Invalid limit start address", Field::LimitStart, true, "801",
         "c000"},
        {"game.prg", "game.txt", "8", "Invalid limit end address", Field::LimitEnd, true, "0801",
         "C0FF"},
        {".hidden.prg", "game.txt", "8", nullptr, Field::Input, false, "", "", 8, -1, -1},
        {"game.prg", "game.txt", " 8", nullptr, Field::Input, false, "zz", "", 8, -1, -1},
        {"game.prg", "game.txt", "2.5", nullptr, Field::Input, true, "0801", "ffff", 2, 0x0801,
         0xffff},
    };
    const auto at = [&dir](const char* name) {
        return QString::fromLatin1(name).trimmed().isEmpty() ? QString::fromLatin1(name)
                                                             : dir.filePath(QLatin1String(name));
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.in << " " << row.values << " " << row.start);
        const auto result = nembra::checkInputs(
            {at(row.in), at(row.out), QString::fromLatin1(row.values), row.limit,
             QString::fromLatin1(row.start), QString::fromLatin1(row.end)});
        if (row.message) {
            ASSERT_TRUE(std::holds_alternative<nembra::InputProblem>(result));
            EXPECT_EQ(std::get<nembra::InputProblem>(result).message, QLatin1String(row.message));
            EXPECT_EQ(std::get<nembra::InputProblem>(result).field, row.field);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<nembra::ConversionRequest>(result));
        const auto& request = std::get<nembra::ConversionRequest>(result);
        EXPECT_EQ(request.valuesPerRow, row.perRow);
        EXPECT_EQ(request.limit ? request.limit->start : -1, row.limitStart);
        EXPECT_EQ(request.limit ? request.limit->end : -1, row.limitEnd);
    }
}

} // namespace
