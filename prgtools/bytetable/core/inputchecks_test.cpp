#include "prgtools/bytetable/core/inputchecks.h"
#include "testsupport/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using F = nembra::ConversionField;

// The path checks come first in both PRG tools; the rows show them, then
// Nembra's own checks in their order. A request that passes ("=") carries
// the values rounded and the limit as numbers.
TEST(InputChecks, FirstFailingCheckDecides) {
    QTemporaryDir dir;
    prg::test::writeFile(dir.filePath(QStringLiteral("a.prg")), "\x01\x08\x60");
    QDir(dir.path()).mkdir(QStringLiteral("folder.prg"));
    const char* same = "Output file must not be the input file";
    const char* both = "You must specify limit start and end";
    const struct {
        const char *in, *out, *values;
        bool limit;
        const char *start, *end, *expected; // the message, or "=" and the request
        F field;
    } rows[] = {
        {"", "", "", false, "", "", "Input filename is missing", F::Input},
        {"   ", "a.txt", "8", false, "", "", "Input filename is missing", F::Input},
        {"none.prg", "a.txt", "8", false, "", "", "Invalid input filename", F::Input},
        {"*.prg", "a.txt", "8", false, "", "", "Invalid input filename", F::Input},
        {"folder.prg", "a.txt", "8", false, "", "", "Invalid input filename", F::Input},
        {"a.prg", "  ", "8", false, "", "", "Output filename is missing", F::Output},
        {"a.prg", "a.prg", "8", false, "", "", same, F::Output},
        {"a.prg", "./a.prg", "ab", false, "", "", same, F::Output},
        {"a.prg", "a.txt", "", false, "", "", "Values per row must be numeric", F::Values},
        {"a.prg", "a.txt", "0", false, "", "", "Value per row must be between 1-32", F::Values},
        {"a.prg", "a.txt", "8", true, "", "c000", both, F::LimitStart},
        {"a.prg", "a.txt", "8", true, "zz", "  ", both, F::LimitStart},
        {"a.prg", "a.txt", "8", true, "C000", "zz", "Invalid limit start address", F::LimitStart},
        {"a.prg", "a.txt", "8", true, "0801", "C0FF", "Invalid limit end address", F::LimitEnd},
        {"a.prg", "a.txt", " 8", false, "zz", "", "=8", F::Input},
        {"a.prg", "a.txt", "2.5", true, "0801", "ffff", "=2 801 ffff", F::Input},
    };
    const auto at = [&dir](const char* name) {
        return QString::fromLatin1(name).trimmed().isEmpty() ? QString::fromLatin1(name)
                                                             : dir.filePath(QLatin1String(name));
    };
    for (const auto& row : rows) {
        const auto result = nembra::checkInputs(
            {at(row.in), at(row.out), QString::fromLatin1(row.values), row.limit,
             QString::fromLatin1(row.start), QString::fromLatin1(row.end)});
        const auto* problem = std::get_if<nembra::InputProblem>(&result);
        const auto* request = std::get_if<nembra::ConversionRequest>(&result);
        const QString passed = request
                                   ? QStringLiteral("=%1").arg(request->valuesPerRow) +
                                         (request->limit ? QStringLiteral(" %1 %2")
                                                               .arg(request->limit->start, 0, 16)
                                                               .arg(request->limit->end, 0, 16)
                                                         : QString())
                                   : QString();
        EXPECT_EQ(problem ? problem->message : passed, QLatin1String(row.expected))
            << row.in << " " << row.values << " " << row.start;
        EXPECT_EQ(problem ? problem->field : F::Input, row.field) << row.expected;
    }
}

} // namespace
