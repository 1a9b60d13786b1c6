#include "prgtools/common/core/paths.h"
#include "testsupport/testfaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FilSokVag, CutsAtTheLastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/c64/games/game.prg", "/c64/games"},
        {"/c64/games/", "/c64/games"},
        {"game.prg", "game.prg"},
        {"/game.prg", ""},
        {"", ""},
#ifdef Q_OS_WIN
        {"C:\\c64\\game.prg", "C:\\c64"},
        {"C:/c64\\games/game.prg", "C:/c64\\games"}, // either slash
        {"C:\\game.prg", "C:"},
        {"C:game.prg", "C:game.prg"},
#else
        {"C:\\c64\\game.prg", "C:\\c64\\game.prg"}, // a backslash is a name character here
#endif
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(prg::FilSokVag(QString::fromUtf8(path)), QString::fromUtf8(folder)) << path;
}

TEST(TaBortExtension, RemovesOnlyTheFileNamesExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/c64/game.prg", "/c64/game"},
        {"/c64/a.b.prg", "/c64/a.b"},
        {"/c64/my.dir/game", "/c64/my.dir/game"},
        {"game", "game"},
        {"game.", "game"},
        {"/c64/.hidden", "/c64/.hidden"},
        {"", ""},
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

class FileIdentity : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        input = dir.filePath(QStringLiteral("in put åäö.prg"));
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x01\x08", 2);
    }
    QTemporaryDir dir;
    QString input;
};

TEST_F(FileIdentity, ExistingFileIsAnOrdinaryFileAtExactlyThatPath) {
    EXPECT_TRUE(prg::isExistingFile(input));
    EXPECT_FALSE(prg::isExistingFile(dir.path()));
    EXPECT_FALSE(prg::isExistingFile(dir.filePath(QStringLiteral("*.prg"))));
    EXPECT_FALSE(prg::isExistingFile(dir.filePath(QStringLiteral("missing/x.prg"))));
    EXPECT_FALSE(prg::isExistingFile(QString()));

    const QString hidden = dir.filePath(QStringLiteral(".hidden"));
    QFile(input).copy(hidden);
    EXPECT_TRUE(prg::isExistingFile(hidden));
}

TEST_F(FileIdentity, SameFileHoweverSpelt) {
    const QString other = dir.filePath(QStringLiteral("other.prg"));
    QFile(input).copy(other);
    const QString symlink = dir.filePath(QStringLiteral("link.prg"));
    ASSERT_TRUE(QFile::link(input, symlink));
    const QString hardlink = dir.filePath(QStringLiteral("hard.prg"));
    ASSERT_TRUE(prg::test::makeHardLink(input, hardlink));
    const QString dotted = dir.path() + QStringLiteral("/./") + QFileInfo(input).fileName();

    EXPECT_TRUE(prg::isSameFile(input, input));
#ifndef Q_OS_WIN // where QFile::link() makes a shortcut, a file of its own
    EXPECT_TRUE(prg::isSameFile(input, symlink));
#endif
    EXPECT_TRUE(prg::isSameFile(input, hardlink));
    EXPECT_TRUE(prg::isSameFile(input, dotted));
    EXPECT_FALSE(prg::isSameFile(input, other));
    EXPECT_FALSE(prg::isSameFile(input, dir.filePath(QStringLiteral("new.bin"))));
}

} // namespace
