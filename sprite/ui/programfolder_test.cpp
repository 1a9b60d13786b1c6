#include "sprite/ui/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// File > Load starts where the sample picture is: beside a program run from
// the build, in the data folder of an installed one, in an app bundle's
// resources.
TEST(SamplePicture, ProgramFilesFolderHoldsTheSample) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char* folder : {"build/bin", "usr/bin", "usr/share/pixmoth", "lone/bin",
                               "Pixmoth.app/Contents/MacOS", "Pixmoth.app/Contents/Resources"})
        ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
    for (const char* sample : {"build/bin/sample.prg", "usr/share/pixmoth/sample.prg",
                               "Pixmoth.app/Contents/Resources/sample.prg"}) {
        QFile file(root.filePath(QLatin1String(sample)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* program;
        const char* expected;
    } cases[] = {{"build/bin", "build/bin"},
                 {"usr/bin", "usr/share/pixmoth"},
                 {"lone/bin", "lone/bin"},
                 {"Pixmoth.app/Contents/MacOS", "Pixmoth.app/Contents/Resources"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(pixmoth::programFilesFolder(root.filePath(QLatin1String(c.program))),
                  root.filePath(QLatin1String(c.expected)));
    }
}

} // namespace
