#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/prginput.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace prg::test;
using felgrove::platform::testing::ownsEveryFile;

// What is done to the place of the output before it is written.
enum class Place { AsIs, Fifo, LockedFolder, LockedFile, FolderAtCommit };

class Output : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("out.bin"));
    const QByteArray fresh = pattern();

    static QByteArray pattern() {
        QByteArray bytes;
        for (int i = 0; i < 600000; ++i)
            bytes.append(char(i * 7));
        return bytes;
    }
    QString at(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // Writes the fresh bytes in small and large pieces, crossing the
    // buffer's edge both ways; `commit` false abandons the file.
    prg::Status write(const QString& target, bool commit = true, Place place = Place::AsIs) {
        prg::OutputFile out(target, QStringLiteral("Nembra"));
        prg::Status status = out.open();
        qsizetype done = 0;
        for (qsizetype n : {1, 3, 300000, 5, 262144, 37000, 847}) {
            if (!status)
                status = out.write(fresh.constData() + done, n);
            done += n;
        }
        if (place == Place::FolderAtCommit)
            QDir().mkdir(target);
        return status || !commit ? status : out.commit();
    }
};

// Only a commit replaces the old file, and an abandoned file leaves nothing.
TEST_F(Output, ReplacesTheOldFileOnlyAtCommit) {
    for (bool commit : {false, true}) {
        writeFile(old, "old");
        EXPECT_EQ(write(old, commit), std::nullopt);
        EXPECT_EQ(contents(old), commit ? fresh : QByteArray("old"));
        EXPECT_EQ(files(dir.path()), QStringList{QStringLiteral("out.bin")});
    }
}

// Places where no file can be made, and disks that fill up or fail to keep
// the file: each is reported with the system's reason for the file it struck
// (nullptr: any reason naming it); the old file stays (but where only the
// folder could not keep the rename, which comes after the replacement) and
// nothing is left beside it.
TEST_F(Output, FaultsAreReportedAndLoseNothing) {
    const char* unconfirmed = "The file was written, but the system could not confirm that its "
                              "name is on the disk (Input/output error)";
    const struct {
        QString target;
        Place place;
        quint64 disk; // bytes a file may hold
        int sync;     // the failing sync, and the one closed underneath
        int close;
        int number; // 0: any
        const char* reason;
        bool replaced;
    } rows[] = {
        {at("missing/out.bin"), Place::AsIs, kUnlimited, 0, 0, 0, nullptr, false},
        {dir.path(), Place::AsIs, kUnlimited, 0, 0, 0, nullptr, false},
        {at("out.bin/x.bin"), Place::AsIs, kUnlimited, 0, 0, 0, nullptr, false},
        {kPosix ? QStringLiteral("/proc/felgrove.bin") : QStringLiteral("C:/f<o>.bin"),
         Place::AsIs, kUnlimited, 0, 0, 0, nullptr, false},
        {at("pipe"), Place::Fifo, kUnlimited, 0, 0, 0, nullptr, false},
        {at("folder/out.bin"), Place::LockedFolder, kUnlimited, 0, 0, EACCES, "Permission denied",
         false},
        {old, Place::LockedFile, kUnlimited, 0, 0, 0, "Existing file is not writable", false},
        {at("new.bin"), Place::FolderAtCommit, kUnlimited, 0, 0, 0, nullptr, false},
        {old, Place::AsIs, 0, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 1000, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 262143, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 262144, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 262145, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 599999, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, kUnlimited, 1, 0, EIO, "Input/output error", false},
        {old, Place::AsIs, kUnlimited, 0, 1, EIO, "The file could not be closed", false},
        {old, Place::AsIs, kUnlimited, 2, 0, EIO, unconfirmed, true},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.target.toStdString());
        const bool locked = r.place == Place::LockedFolder || r.place == Place::LockedFile;
        // Windows has no FIFOs and no file-size limit, a read-only folder
        // there takes new files, and Qt does not look at the close of a file.
        if ((!kPosix && (r.place == Place::Fifo || r.place == Place::LockedFolder ||
                         r.disk != kUnlimited || r.close)) ||
            (locked && ownsEveryFile()))
            continue;
        writeFile(old, "old");
        if (r.place == Place::Fifo) {
            ASSERT_TRUE(makeFifo(r.target));
        }
        const QString lock = r.place == Place::LockedFolder ? at("folder") : r.target;
        const QStringList before = files(dir.path());
        prg::Status failure;
        {
            const FailingDisk disk(r.sync, r.close);
            const FileSizeLimit full(r.disk);
            if (locked)
                makeWritable(lock, false);
            failure = write(r.target, true, r.place);
            if (locked)
                makeWritable(lock, true);
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->source, QLatin1String("Nembra"));
        const QString named = QDir::toNativeSeparators(r.target);
        if (r.reason) {
            EXPECT_EQ(failure->description, named + QLatin1String(": ") + QLatin1String(r.reason));
        }
        EXPECT_TRUE(failure->description.startsWith(named)) << failure->description.toStdString();
        if (r.number) {
            EXPECT_EQ(failure->number, r.number);
        }
        EXPECT_NE(failure->number, 0);
        EXPECT_EQ(contents(old), r.replaced ? fresh : QByteArray("old"));
        EXPECT_EQ(files(dir.path()), before);
        EXPECT_EQ(files(at("folder")), QStringList());
    }
}

// A symbolic link as the output name: the file it points to gets the bytes
// and the link stays a link, even when it is pointed elsewhere meanwhile.
TEST_F(Output, WritesThroughASymbolicLink) {
    if (!kPosix)
        GTEST_SKIP() << "QFile::link() makes a shortcut here";
    const QString link = at("link.bin");
    ASSERT_TRUE(QFile::link(at("target.bin"), link)); // dangling until the first write
    for (const QByteArray name : {"first", "second", "gone/moved.bin"}) { // where it points last
        prg::OutputFile out(link, QStringLiteral("Slivra"));
        ASSERT_FALSE(out.open());
        ASSERT_FALSE(out.write(name.constData(), name.size()));
        if (name.contains('/')) {
            ASSERT_TRUE(QFile::remove(link));
            ASSERT_TRUE(QFile::link(at(name.constData()), link));
        }
        EXPECT_EQ(out.commit(), std::nullopt);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(contents(at("target.bin")), name);
    }
}

// Opened again, an input lets go of the file it had open and takes the file
// as it is now.
TEST_F(Output, AnInputOpenedAgainTakesTheFileAsItIsNow) {
    writeFile(at("in.prg"), "\x01\x08"
                            "ab");
    prg::PrgInput input(at("in.prg"), QStringLiteral("Nembra"));
    ASSERT_FALSE(input.open());
    const QDir descriptors(QStringLiteral("/proc/self/fd")); // where Linux lists them
    const qsizetype opened = descriptors.entryList(QDir::AllEntries | QDir::System).size();
    writeFile(at("in.prg"), "\x01\x08\x01\x02\x03\x04\x05");
    for (int again = 0; again < 3; ++again)
        ASSERT_FALSE(input.open());
    EXPECT_EQ(input.size(), 7);
    EXPECT_EQ(descriptors.entryList(QDir::AllEntries | QDir::System).size(), opened);
}

} // namespace
