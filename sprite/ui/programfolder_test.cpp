#include "sprite/ui/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// File > Load starts where the sample picture is: beside a program run from
// the build, in the data folder of an installed one, in an app bundle's
// resources; beside the program where there is none.
TEST(SamplePicture, ProgramFilesFolderHoldsTheSample) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char* sample : {"build/bin/sample.prg", "usr/share/pixmoth/sample.prg",
                               "Pixmoth.app/Contents/Resources/sample.prg", "usr/bin/", "lone/bin/",
                               "Pixmoth.app/Contents/MacOS/"}) {
        QFile file(root.filePath(QLatin1String(sample)));
        ASSERT_TRUE(root.mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(file.fileName().endsWith('/') || file.open(QIODevice::WriteOnly));
    }
    const std::pair<const char*, const char*> cases[] = {
        {"build/bin", "build/bin"},
        {"usr/bin", "usr/share/pixmoth"},
        {"lone/bin", "lone/bin"},
        {"Pixmoth.app/Contents/MacOS", "Pixmoth.app/Contents/Resources"}};
    for (const auto& [program, expected] : cases)
        EXPECT_EQ(pixmoth::programFilesFolder(root.filePath(QLatin1String(program))),
                  root.filePath(QLatin1String(expected)))
            << program;
}

} // namespace
