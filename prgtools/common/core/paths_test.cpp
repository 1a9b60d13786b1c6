#include "prgtools/common/core/paths.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FilSokVag, CutsAtTheLastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/c64/games/game.prg", "/c64/games"}, {"/c64/games/", "/c64/games"}, {"/game.prg", ""},
        {"game.prg", "game.prg"}, {"", ""},
#ifdef Q_OS_WIN
        {"C:/c64\\games/game.prg", "C:/c64\\games"}, // either slash
        {"C:\\c64\\game.prg", "C:\\c64"}, {"C:\\game.prg", "C:"}, {"C:game.prg", "C:game.prg"},
#else
        {"C:\\c64\\game.prg", "C:\\c64\\game.prg"}, // a backslash is a name character here
#endif
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(prg::FilSokVag(QString::fromUtf8(path)), QString::fromUtf8(folder)) << path;
}

TEST(TaBortExtension, RemovesOnlyTheFileNamesExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/c64/game.prg", "/c64/game"}, {"/c64/a.b.prg", "/c64/a.b"}, {"game", "game"},
        {"/c64/my.dir/game", "/c64/my.dir/game"}, {"game.", "game"}, {"", ""},
        {"/c64/.hidden", "/c64/.hidden"},
#ifdef Q_OS_WIN
        {"C:\\c64\\my.dir\\game", "C:\\c64\\my.dir\\game"},
        {"C:\\c64/my.dir\\game.prg", "C:\\c64/my.dir\\game"},
#else
        {"/c64\\my.dir\\game", "/c64\\my"},         // a backslash is a name character here
#endif
    };
    for (const auto& [path, stem] : cases)
        EXPECT_EQ(prg::TaBortExtension(QString::fromUtf8(path)), QString::fromUtf8(stem)) << path;
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
