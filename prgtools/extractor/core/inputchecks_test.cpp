#include "prgtools/extractor/core/inputchecks.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Box = slivra::ExtractField;

TEST(InputChecks, TheFirstFailingCheckNamesItsMessageAndBox) {
    QTemporaryDir dir;
    const QString prg = dir.filePath(QStringLiteral("pic.prg"));
    const QString hidden = dir.filePath(QStringLiteral(".hidden.prg"));
    for (const QString& path : {prg, hidden}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x00\x58\x01", 3);
    }
    const QString out = dir.filePath(QStringLiteral("out.bin"));
    const QString wildcard = dir.filePath(QStringLiteral("p*.prg"));
    const struct {
        const char* name;
        slivra::ExtractFields fields;
        const char* message; // nullptr: every check passes
        Box focus;
    } cases[] = {
        {"nothing filled", {}, "Input filename is missing", Box::Input},
        {"blank input",
         {QStringLiteral("   "), out, "5800", "5809"},
         "Input filename is missing",
         Box::Input},
        {"missing input",
         {prg + QLatin1Char('x'), {}, {}, {}},
         "Invalid input filename",
         Box::Input},
        {"wildcard is no file",
         {wildcard, out, "5800", "5809"},
         "Invalid input filename",
         Box::Input},
        {"folder is no file",
         {dir.path(), out, "5800", "5809"},
         "Invalid input filename",
         Box::Input},
        {"no output",
         {prg, QStringLiteral(" "), "5800", "5809"},
         "Output filename is missing",
         Box::Output},
        {"output is the input",
         {prg, prg, "5800", "5809"},
         "Output file must not be the input file",
         Box::Output},
        {"output is the input, before the range",
         {prg, prg, "", "zzzz"},
         "Output file must not be the input file",
         Box::Output},
        {"no start", {prg, out, "", "5809"}, "You must specify extract start and end", Box::Start},
        {"blank end",
         {prg, out, "5800", "  "},
         "You must specify extract start and end",
         Box::Start},
        {"upper-case start", {prg, out, "C000", "c001"}, "Invalid limit start address", Box::Start},
        {"start with a blank",
         {prg, out, " 800", "5809"},
         "Invalid limit start address",
         Box::Start},
        {"three-digit start and bad end",
         {prg, out, "801", "zzzz"},
         "Invalid limit start address",
         Box::Start},
        {"three-digit end", {prg, out, "5800", "580"}, "Invalid limit end address", Box::End},
        {"empty new location",
         {prg, out, "5800", "5809", true, ""},
         "Invalid new location address",
         Box::NewLocation},
        {"five-digit new location",
         {prg, out, "5800", "5809", true, "08010"},
         "Invalid new location address",
         Box::NewLocation},
        {"bad end before bad new location",
         {prg, out, "5800", "580", true, "zz"},
         "Invalid limit end address",
         Box::End},
        {"hidden file is a file", {hidden, out, "5800", "5809"}, nullptr, Box::Input},
        {"all fine, start after end", {prg, out, "ffff", "0000"}, nullptr, Box::Input},
        {"new location unused while off",
         {prg, out, "5800", "5809", false, "zz"},
         nullptr,
         Box::Input},
        {"upper-case three-digit new location",
         {prg, out, "5800", "5809", true, "C01"},
         nullptr,
         Box::Input},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto checked = slivra::checkInputs(c.fields);
        const auto* problem = std::get_if<slivra::InputProblem>(&checked);
        if (!c.message) {
            EXPECT_EQ(problem, nullptr);
            continue;
        }
        ASSERT_NE(problem, nullptr);
        EXPECT_EQ(problem->message, QLatin1String(c.message));
        EXPECT_EQ(problem->field, c.focus);
    }
}

} // namespace
