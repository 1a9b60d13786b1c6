#include "prgtools/extractor/core/inputchecks.h"
#include "testsupport/testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Box = slivra::ExtractField;

// The path checks that come first are those of both PRG tools; these rows
// show them before the range and the tool's own checks in their order.
TEST(InputChecks, TheFirstFailingCheckNamesItsMessageAndBox) {
    QTemporaryDir dir;
    const QString prg = dir.filePath(QStringLiteral("pic.prg"));
    prg::test::writeFile(prg, QByteArray("\x00\x58\x01", 3));
    const QString out = dir.filePath(QStringLiteral("out.bin"));
    const struct {
        slivra::ExtractFields fields;
        const char* message; // nullptr: every check passes
        Box focus;
    } cases[] = {
        {{}, "Input filename is missing", Box::Input},
        {{prg, prg, "", "zzzz"}, "Output file must not be the input file", Box::Output},
        {{prg, out, "", "5809"}, "You must specify extract start and end", Box::Start},
        {{prg, out, "5800", "  "}, "You must specify extract start and end", Box::Start},
        {{prg, out, "C000", "c001"}, "Invalid limit start address", Box::Start},
        {{prg, out, "801", "zzzz"}, "Invalid limit start address", Box::Start},
        {{prg, out, "5800", "580"}, "Invalid limit end address", Box::End},
        {{prg, out, "5800", "5809", true, ""}, "Invalid new location address", Box::NewLocation},
        {{prg, out, "5800", "580", true, "zz"}, "Invalid limit end address", Box::End},
        {{prg, out, "ffff", "0000"}, nullptr, Box::Input},
        {{prg, out, "5800", "5809", false, "zz"}, nullptr, Box::Input},
        {{prg, out, "5800", "5809", true, "C01"}, nullptr, Box::Input},
    };
    for (const auto& c : cases) {
        const auto checked = slivra::checkInputs(c.fields);
        const auto* problem = std::get_if<slivra::InputProblem>(&checked);
        ASSERT_EQ(problem ? problem->message : QString(), QLatin1String(c.message))
            << c.fields.start.toStdString() << " " << c.fields.end.toStdString();
        const auto* request = std::get_if<slivra::ExtractRequest>(&checked);
        EXPECT_EQ(problem ? problem->field : Box::Input, c.focus);
        if (request) {
            EXPECT_EQ(request->window.start, c.fields.start.toInt(nullptr, 16));
            EXPECT_EQ(request->window.end, c.fields.end.toInt(nullptr, 16));
        }
    }
}

} // namespace
