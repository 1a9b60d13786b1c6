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
    ASSERT_EQ(prg::test::makeFifo(fifo), prg::test::kPosix);
    const std::vector<QString> cases = {
        dir.filePath(QStringLiteral("missing/out.bin")), // folder does not exist
        dir.path(),                                      // a folder, not a file
        path() + QStringLiteral("/out.bin"),             // a file where a folder should be
        prg::test::unwritablePlace(),                    // the kernel's own folder
        fifo,                                            // would be replaced by a file
    };
    for (const QString& target : cases) {
        SCOPED_TRACE(target.toStdString());
        if (target == fifo && !prg::test::kPosix)
            continue;
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
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("out.bin")} +
               (prg::test::kPosix ? QStringList{QStringLiteral("pipe")} : QStringList())));
}

// A read-only folder, or a read-only file in the output's place: the open
// fails with a reason that names the file once, and nothing is left in the
// folder. Permission bits stop everyone but root.
TEST_F(Output, ReadOnlyPlacesFailWithAReason) {
    const struct {
        const char* locked; // made read-only
        const char* target;
        const char* reason;
    } cases[] = {
        {"folder", "folder/out.bin", "Permission denied"},
        {"old.bin", "old.bin", "Existing file is not writable"},
    };
    if (felgrove::platform::testing::ownsEveryFile())
        GTEST_SKIP() << "read-only places do not stop root";
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    writeFile(dir.filePath(QStringLiteral("old.bin")), "old");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locked);
        if (QLatin1String(c.locked) == QLatin1String("folder") && !prg::test::kPosix)
            continue; // a read-only folder on Windows takes new files

        const QString locked = dir.filePath(QLatin1String(c.locked));
        const QString target = dir.filePath(QLatin1String(c.target));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        prg::test::makeWritable(locked, false);
        const prg::Status status = prg::OutputFile(target, QStringLiteral("Slivra")).open();
        prg::test::makeWritable(locked, true);
        ASSERT_TRUE(status.has_value());
        EXPECT_NE(status->number, 0);
        EXPECT_EQ(status->description.toStdString(),
                  (QDir::toNativeSeparators(target) + QLatin1String(": ") + QLatin1String(c.reason))
                      .toStdString());
        EXPECT_EQ(status->source, QLatin1String("Slivra"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("folder")))
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList());
    }
}

// A disk that fills up while the file is written, at points before, at and
// after the buffer's edge: the failure is reported by a write or by the
// commit, and the old file stays whole, with nothing left beside it.
TEST_F(Output, AWriteFailingMidwayKeepsTheOldFile) {
    if (!prg::test::kPosix)
        GTEST_SKIP() << "no limit on file size here";
    const QByteArray old("old contents");
    const QByteArray fresh(600000, 'n');
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
// and the link stays a link, even when it is pointed elsewhere while the
// file is written.
TEST_F(Output, WritesThroughASymbolicLink) {
    if (!prg::test::kPosix)
        GTEST_SKIP() << "QFile::link() makes a shortcut here";
    const QString target = dir.filePath(QStringLiteral("target.bin"));
    const QString link = dir.filePath(QStringLiteral("link.bin"));
    ASSERT_TRUE(QFile::link(target, link)); // dangling until the first write
    const struct {
        QByteArray bytes;
        const char* movedTo; // where the link points before the commit
    } cases[] = {{"first", nullptr}, {"second", nullptr}, {"third", "gone/moved.bin"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.constData());
        prg::OutputFile out(link, QStringLiteral("Slivra"));
        ASSERT_FALSE(out.open());
        ASSERT_FALSE(out.write(c.bytes.constData(), c.bytes.size()));
        if (c.movedTo) {
            ASSERT_TRUE(QFile::remove(link));
            ASSERT_TRUE(QFile::link(dir.filePath(QLatin1String(c.movedTo)), link));
        }
        EXPECT_EQ(out.commit(), std::nullopt);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(contents(target), c.bytes);
    }
}

// Opened again, an input lets go of the file it had open and takes the file
// as it is now.
TEST_F(Output, AnInputOpenedAgainTakesTheFileAsItIsNow) {
    const QString in = dir.filePath(QStringLiteral("in.prg"));
    writeFile(in, QByteArray("\x01\x08"
                             "ab"));
    prg::PrgInput input(in, QStringLiteral("Nembra"));
    ASSERT_FALSE(input.open());
    const QDir descriptors(QStringLiteral("/proc/self/fd")); // where Linux lists them
    const qsizetype opened = descriptors.entryList(QDir::AllEntries | QDir::System).size();
    writeFile(in, QByteArray("\x01\x08\x01\x02\x03\x04\x05"));
    for (int again = 0; again < 3; ++again)
        ASSERT_FALSE(input.open());
    EXPECT_EQ(input.size(), 7);
    if (prg::test::kPosix) {
        EXPECT_EQ(descriptors.entryList(QDir::AllEntries | QDir::System).size(), opened);
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
    ASSERT_EQ(prg::test::makeFifo(fifo), prg::test::kPosix);
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
        {"file not closed", in, 0, 1, prg::test::kUnlimited, false, path(), EIO,
         "The file could not be closed", false},
        {"folder not synced", in, 2, 0, prg::test::kUnlimited, false, path(), EIO,
         "The file was written, but the system could not confirm that its name is on the disk "
         "(Input/output error)",
         true},
        {"file-size limit", in, 0, 0, 1000, false, path(), EFBIG, "File too large", false},
        {"input cut while read", in, 0, 0, prg::test::kUnlimited, true, in, EIO,
         "The input file changed while it was read", false},
        {"a folder as input", dir.filePath(QStringLiteral("folder.prg")), 0, 0,
         prg::test::kUnlimited, false, dir.filePath(QStringLiteral("folder.prg")), EISDIR,
         "Is a directory", false},
        {"a FIFO as input", fifo, 0, 0, prg::test::kUnlimited, false, fifo, EINVAL,
         "not an ordinary file", false},
        {"a device as input", prg::test::device(), 0, 0, prg::test::kUnlimited, false,
         prg::test::device(), EINVAL, "not an ordinary file", false},
        {"a missing input", dir.filePath(QStringLiteral("gone.prg")), 0, 0, prg::test::kUnlimited,
         false, dir.filePath(QStringLiteral("gone.prg")), ENOENT, "No such file or directory",
         false},
        {"a name too long", tooLong, 0, 0, prg::test::kUnlimited, false, tooLong, ENAMETOOLONG,
         "File name too long", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Windows has no FIFOs and no file-size limit, and Qt there does not
        // look at the close of a file.
        if (!prg::test::kPosix &&
            (c.input == fifo || c.diskSpace != prg::test::kUnlimited || c.failingClose != 0))
            continue;
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
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  (QStringList{QStringLiteral("in.prg"), QStringLiteral("out.bin")} +
                   (prg::test::kPosix ? QStringList{QStringLiteral("pipe.prg")} : QStringList())));
    }
}

} // namespace
