#include "outputfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class Output : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("out.bin")); }
    void seed(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(Output, CommitReplacesTheFileWithEveryByte) {
    seed("old contents");
    QByteArray expected;
    for (int i = 0; i < 600000; ++i)
        expected.append(char(i * 7));
    prg::OutputFile out(path(), QStringLiteral("Slivra"));
    ASSERT_FALSE(out.open());
    // Small and large writes, crossing the buffer's edge both ways.
    qsizetype at = 0;
    for (qsizetype size : {1, 3, 300000, 5, 262144, 37000}) {
        const qsizetype n = std::min(size, expected.size() - at);
        ASSERT_FALSE(out.write(expected.constData() + at, n));
        at += n;
    }
    ASSERT_FALSE(out.write(expected.constData() + at, expected.size() - at));
    EXPECT_EQ(contents(path()), QByteArray("old contents")); // nothing replaced yet
    ASSERT_FALSE(out.commit());
    EXPECT_EQ(contents(path()), expected);
}

TEST_F(Output, AnAbandonedFileLeavesTheOldOneAndNoLeftovers) {
    seed("keep me");
    {
        prg::OutputFile out(path(), QStringLiteral("Nembra"));
        ASSERT_FALSE(out.open());
        ASSERT_FALSE(out.write("partial", 7));
    }
    EXPECT_EQ(contents(path()), QByteArray("keep me"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.bin")});
}

TEST_F(Output, UnwritablePlacesFailWithAReason) {
    const QString cases[] = {
        dir.filePath(QStringLiteral("missing/out.bin")), // folder does not exist
        dir.path(),                                      // a folder, not a file
    };
    for (const QString& target : cases) {
        prg::OutputFile out(target, QStringLiteral("Slivra"));
        const prg::Status status = out.open();
        ASSERT_TRUE(status.has_value()) << target.toStdString();
        EXPECT_NE(status->number, 0);
        EXPECT_FALSE(status->description.isEmpty());
        EXPECT_EQ(status->source, QLatin1String("Slivra"));
    }
}

} // namespace
