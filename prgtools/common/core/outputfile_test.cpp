#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/prginput.h"
#include "testsupport/testfiles.h"

#include "testsupport/testfaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <vector>

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
#ifndef Q_OS_WIN // Windows has no FIFOs
    ASSERT_TRUE(prg::test::makeFifo(fifo));
#endif
    const std::vector<QString> cases = {
        dir.filePath(QStringLiteral("missing/out.bin")), // folder does not exist
        dir.path(),                                      // a folder, not a file
        path() + QStringLiteral("/out.bin"),             // a file where a folder should be
        prg::test::unwritablePlace(),                    // the kernel's own folder
#ifndef Q_OS_WIN
        fifo, // would be replaced by a file
#endif
    };
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
    QFileInfo pipe(fifo);
    EXPECT_FALSE(pipe.isFile());
    EXPECT_EQ(contents(path()), QByteArray("a file"));
    QStringList left{QStringLiteral("out.bin")};
#ifndef Q_OS_WIN
    left << QStringLiteral("pipe");
#endif
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              left);
}

// A read-only folder: the open fails with a reason that names the file, and
// nothing is left in the folder. Permission bits stop everyone but root.
TEST_F(Output, AReadOnlyFolderFailsWithAReason) {
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    const bool stopped = prg::test::makeReadOnly(locked);
    const QString target = locked + QStringLiteral("/out.bin");
    const prg::Status status =
        stopped ? prg::OutputFile(target, QStringLiteral("Slivra")).open() : std::nullopt;
    const QStringList left = QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot);
    prg::test::makeWritable(locked);
    if (!stopped)
        GTEST_SKIP() << "a read-only folder does not stop root from creating files";
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(status->number, 0);
    EXPECT_TRUE(status->description.contains(QDir::toNativeSeparators(target)))
        << status->description.toStdString();
    EXPECT_EQ(status->source, QLatin1String("Slivra"));
    EXPECT_EQ(left, QStringList());
}

// A disk that fills up while the file is written, at points before, at and
// after the buffer's edge: the failure is reported by a write or by the
// commit, and the old file stays whole, with nothing left beside it.
TEST_F(Output, AWriteFailingMidwayKeepsTheOldFile) {
    const QByteArray old("old contents");
    const QByteArray fresh(600000, 'n');
    if (!felgrove::platform::testing::limitsFileSize())
        GTEST_SKIP() << "no file-size limit here to fill the disk with";
    for (prg::test::FileBytes limit :
         {prg::test::FileBytes(0), prg::test::FileBytes(1), prg::test::FileBytes(1000),
          prg::test::FileBytes(262143), prg::test::FileBytes(262144), prg::test::FileBytes(262145),
          prg::test::FileBytes(599999)}) {
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
#ifdef Q_OS_WIN
    GTEST_SKIP() << "QFile::link makes a shortcut file on Windows, not a link";
#endif
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

// What both conversions do with the shared path: read the PRG in blocks and
// write it out; `between` runs after the first block.
prg::Status copyPrg(const QString& from, const QString& to, const std::function<void()>& between) {
    prg::PrgInput input(from, QStringLiteral("Nembra"));
    if (prg::Status status = input.open())
        return status;
    prg::OutputFile output(to, QStringLiteral("Nembra"));
    if (prg::Status status = output.open())
        return status;
    std::vector<char> block(1000);
    for (bool first = true;; first = false) {
        const prg::Outcome<qint64> got = input.read(block.data(), qint64(block.size()));
        if (!got)
            return got.failure();
        if (*got == 0)
            break;
        if (prg::Status status = output.write(block.data(), *got))
            return status;
        if (first && between)
            between();
    }
    return output.commit();
}

// The faults of real disks and file systems, each reported with the
// system's reason for the file it struck; the old output stays (but for a
// folder that cannot keep the rename, which comes after the replacement),
// nothing is left beside it, and nothing waits on a FIFO or a device.
TEST_F(Output, DiskAndFileFaultsAreReportedAndLoseNothing) {
    const QString in = dir.filePath(QStringLiteral("in.prg"));
    const QByteArray prgBytes = QByteArray("\x01\x08", 2) + QByteArray(5000, 'd');
    const QByteArray old("old output");
    const QString fifo = dir.filePath(QStringLiteral("pipe.prg"));
#ifndef Q_OS_WIN // Windows has no FIFOs and no file-size limit
    ASSERT_TRUE(prg::test::makeFifo(fifo));
#endif
    QDir(dir.path()).mkdir(QStringLiteral("folder.prg"));
    const QString tooLong = dir.filePath(QString(300, QLatin1Char('n')));
    const struct {
        const char* name;
        QString input;
        int failingSync;
        int failingClose;
        prg::test::FileBytes diskSpace;
        bool cutInput;
        QString struck; // the file named in the report
        int number;
        const char* reason;
        bool replaced; // the old output was already replaced
    } cases[] = {
        {"file not synced", in, 1, 0, prg::test::kUnlimited, false, path(), EIO,
         "Input/output error", false},
#ifndef Q_OS_WIN // where Qt does not see its file closed underneath
        {"file not closed", in, 0, 1, prg::test::kUnlimited, false, path(), EIO,
         "The file could not be closed", false},
#endif
        {"folder not synced", in, 2, 0, prg::test::kUnlimited, false, path(), EIO,
         "The file was written, but the system could not confirm that its name is on the disk "
         "(Input/output error)",
         true},
#ifndef Q_OS_WIN
        {"file-size limit", in, 0, 0, 1000, false, path(), EFBIG, "File too large", false},
#endif
        {"input cut while read", in, 0, 0, prg::test::kUnlimited, true, in, EIO,
         "The input file changed while it was read", false},
        {"a folder as input", dir.filePath(QStringLiteral("folder.prg")), 0, 0,
         prg::test::kUnlimited, false, dir.filePath(QStringLiteral("folder.prg")), EISDIR,
         "Is a directory", false},
#ifndef Q_OS_WIN
        {"a FIFO as input", fifo, 0, 0, prg::test::kUnlimited, false, fifo, EINVAL,
         "not an ordinary file", false},
        {"a device as input", QStringLiteral("/dev/zero"), 0, 0, prg::test::kUnlimited, false,
         QStringLiteral("/dev/zero"), EINVAL, "not an ordinary file", false},
#endif
        {"a missing input", dir.filePath(QStringLiteral("gone.prg")), 0, 0, prg::test::kUnlimited,
         false, dir.filePath(QStringLiteral("gone.prg")), ENOENT, "No such file or directory",
         false},
#ifndef Q_OS_WIN // where the system gives other reasons
        {"a name too long", tooLong, 0, 0, prg::test::kUnlimited, false, tooLong, ENAMETOOLONG,
         "File name too long", false},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(in, prgBytes);
        seed(old);
        prg::Status failure;
        {
            const prg::test::FailingDisk disk(c.failingSync, c.failingClose);
            const prg::test::FileSizeLimit full(c.diskSpace);
            failure = copyPrg(c.input, path(), [&] {
                if (c.cutInput)
                    QFile::resize(in, 1500);
            });
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->number, c.number);
        EXPECT_EQ(
            failure->description.toStdString(),
            (QDir::toNativeSeparators(c.struck) + QLatin1String(": ") + QLatin1String(c.reason))
                .toStdString());
        EXPECT_EQ(failure->source, QLatin1String("Nembra"));
        EXPECT_EQ(contents(path()), c.replaced ? prgBytes : old);
        QStringList left{QStringLiteral("in.prg"), QStringLiteral("out.bin")};
#ifndef Q_OS_WIN
        left << QStringLiteral("pipe.prg");
#endif
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), left);
    }
}

} // namespace
