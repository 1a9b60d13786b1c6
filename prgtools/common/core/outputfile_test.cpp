#include "outputfile.h"
#include "testfiles.h"

#include "testfaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include <sys/stat.h>

namespace {

using prg::test::contents;
using prg::test::writeFile;

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

// Places where no file can be created, for any user: each fails at open
// with a reason that names the place, and nothing there is changed.
TEST_F(Output, UnwritablePlacesFailWithAReason) {
    seed("a file");
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    std::vector<QString> cases = {
        dir.filePath(QStringLiteral("missing/out.bin")), // folder does not exist
        dir.path(),                                      // a folder, not a file
        path() + QStringLiteral("/out.bin"),             // a file where a folder should be
        prg::test::unwritablePlace(),                    // the kernel's own folder
        fifo,                                            // would be replaced by a file
    };
    // Permission bits stop everyone but root.
    if (prg::test::makeReadOnly(locked))
        cases.push_back(locked + QStringLiteral("/out.bin"));
    for (const QString& target : cases) {
        SCOPED_TRACE(target.toStdString());
        prg::OutputFile out(target, QStringLiteral("Slivra"));
        const prg::Status status = out.open();
        ASSERT_TRUE(status.has_value());
        EXPECT_NE(status->number, 0);
        EXPECT_TRUE(status->description.contains(QDir::toNativeSeparators(target)))
            << status->description.toStdString();
        EXPECT_EQ(status->source, QLatin1String("Slivra"));
    }
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    QFileInfo pipe(fifo);
    EXPECT_FALSE(pipe.isFile());
    EXPECT_EQ(contents(path()), QByteArray("a file"));
    EXPECT_EQ(
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{QStringLiteral("locked"), QStringLiteral("out.bin"), QStringLiteral("pipe")}));
}

// A disk that fills up while the file is written, at points before, at and
// after the buffer's edge: the failure is reported by a write or by the
// commit, and the old file stays whole, with nothing left beside it.
TEST_F(Output, AWriteFailingMidwayKeepsTheOldFile) {
    const QByteArray old("old contents");
    const QByteArray fresh(600000, 'n');
    for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(1000), rlim_t(262143), rlim_t(262144),
                         rlim_t(262145), rlim_t(599999)}) {
        SCOPED_TRACE(limit);
        seed(old);
        prg::Status failure;
        {
            prg::OutputFile out(path(), QStringLiteral("Nembra"));
            const prg::test::FileSizeLimit full(limit);
            failure = out.open();
            for (qsizetype at = 0; !failure && at < fresh.size(); at += 100000)
                failure = out.write(fresh.constData() + at, 100000);
            if (!failure)
                failure = out.commit();
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->number, EFBIG);
        EXPECT_TRUE(failure->description.contains(QDir::toNativeSeparators(path())));
        EXPECT_EQ(failure->source, QLatin1String("Nembra"));
        EXPECT_EQ(contents(path()), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("out.bin")});
    }
}

// The last stage: the finished file cannot take the target's place, here
// because a folder appeared there while it was written.
TEST_F(Output, ACommitThatCannotReplaceTheTargetIsReported) {
    prg::OutputFile out(path(), QStringLiteral("Slivra"));
    ASSERT_FALSE(out.open());
    ASSERT_FALSE(out.write("data", 4));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out.bin")));
    const prg::Status failure = out.commit();
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->number, 0);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A symbolic link as the output name: the file it points to gets the bytes
// and the link stays a link.
TEST_F(Output, WritesThroughASymbolicLink) {
    const QString target = dir.filePath(QStringLiteral("target.bin"));
    const QString link = dir.filePath(QStringLiteral("link.bin"));
    ASSERT_TRUE(QFile::link(target, link)); // dangling until the first write
    for (const QByteArray& bytes : {QByteArray("first"), QByteArray("second")}) {
        prg::OutputFile out(link, QStringLiteral("Slivra"));
        ASSERT_FALSE(out.open());
        ASSERT_FALSE(out.write(bytes.constData(), bytes.size()));
        ASSERT_FALSE(out.commit());
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(contents(target), bytes);
    }
}

} // namespace
