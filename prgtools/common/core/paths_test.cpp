#include "prgtools/common/core/paths.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The folder is what comes before the last separator; the extension is
// what follows the last dot of the file's own name, unless that dot leads it.
TEST(Paths, FolderAndNameWithoutExtension) {
    const struct {
        const char *path, *folder, *stem;
    } rows[] = {
        {"/c64/games/game.prg", "/c64/games", "/c64/games/game"},
        {"/c64/games/", "/c64/games", "/c64/games/"},
        {"/game.prg", "", "/game"},
        {"game.", "game.", "game"},
        {"", "", ""},
        {"game.prg", "game.prg", "game"},
        {"/c64/a.b.prg", "/c64", "/c64/a.b"},
        {"/c64/my.dir/game", "/c64/my.dir", "/c64/my.dir/game"},
        {"/c64/.hidden", "/c64", "/c64/.hidden"},
#ifdef Q_OS_WIN // either slash
        {"C:/c64\\games/game.prg", "C:/c64\\games", "C:/c64\\games/game"},
        {"C:\\c64\\my.dir\\game", "C:\\c64\\my.dir", "C:\\c64\\my.dir\\game"},
        {"C:\\c64/my.dir\\game.prg", "C:\\c64/my.dir", "C:\\c64/my.dir\\game"},
        {"C:\\game.prg", "C:", "C:\\game"},
        {"C:game.prg", "C:game.prg", "C:game"},
#else // a backslash is a name character
        {"C:\\c64\\game.prg", "C:\\c64\\game.prg", "C:\\c64\\game"},
        {"/c64\\my.dir\\game", "", "/c64\\my"},
#endif
    };
    for (const auto& r : rows) {
        const QString path = QString::fromUtf8(r.path);
        EXPECT_EQ(prg::FilSokVag(path), QString::fromUtf8(r.folder)) << r.path;
        EXPECT_EQ(prg::TaBortExtension(path), QString::fromUtf8(r.stem)) << r.path;
    }
}

// An existing file is an ordinary file at exactly that path; the same file
// is found however its name is spelt.
TEST(FileIdentity, ExistingAndTheSameHoweverSpelt) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in put åäö.prg"));
    prg::test::writeFile(in, "\x01\x08");
    QFile(in).copy(dir.filePath(QStringLiteral("other.prg")));
    QFile(in).copy(dir.filePath(QStringLiteral(".hidden")));
    QFile::link(in, dir.filePath(QStringLiteral("link.prg"))); // a shortcut of its own on Windows
    ASSERT_TRUE(prg::test::makeHardLink(in, dir.filePath(QStringLiteral("hard.prg"))));
    const struct {
        QString path;
        bool existing;
        bool same; // as the input
    } rows[] = {
        {in, true, true},
        {dir.path() + QStringLiteral("/./in put åäö.prg"), true, true},
        {dir.filePath(QStringLiteral("hard.prg")), true, true},
        {dir.filePath(QStringLiteral("link.prg")), true, prg::test::kPosix},
        {dir.filePath(QStringLiteral("other.prg")), true, false},
        {dir.filePath(QStringLiteral(".hidden")), true, false},
        {dir.filePath(QStringLiteral("new.bin")), false, false},
        {dir.filePath(QStringLiteral("*.prg")), false, false},
        {dir.filePath(QStringLiteral("missing/x.prg")), false, false},
        {dir.path(), false, false},
        {QString(), false, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(prg::isExistingFile(r.path), r.existing) << r.path.toStdString();
        EXPECT_EQ(prg::isSameFile(in, r.path), r.same) << r.path.toStdString();
    }
}

} // namespace
