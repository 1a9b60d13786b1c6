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
enum class Place { AsIs, Fifo, LockedFolder, LockedFile, FolderAtCommit, Abandoned };

class Output : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("out.bin"));
    QByteArray fresh{600000, Qt::Uninitialized};
    Output() {
        for (int i = 0; i < fresh.size(); ++i)
            fresh[i] = char(i * 7);
    }

    QString at(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // Writes the fresh bytes in small and large pieces, crossing the
    // buffer's edge both ways, then commits.
    prg::Status write(const QString& target, Place place) {
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
        return status || place == Place::Abandoned ? status : out.commit();
    }
};

// Only a commit replaces the old file. Places where no file can be made, and
// disks that fill up or fail to keep the file, are reported with the
// system's reason for the file they struck (nullptr: any reason). The old
// file stays (but where only the folder could not keep the rename, which
// comes after the replacement) and nothing is left beside it.
TEST_F(Output, OnlyACommitReplacesTheFileAndFaultsLoseNothing) {
    const char* unconfirmed = "The file was written, but the system could not confirm that its "
                              "name is on the disk (Input/output error)";
    const quint64 U = kUnlimited;
    const struct {
        QString target;
        Place place;
        quint64 disk; // bytes a file may hold
        int sync;     // the failing sync, and the one closed underneath
        int close;
        int number; // 0: any; -1: succeeds
        const char* reason;
        bool replaced;
    } rows[] = {
        {old, Place::AsIs, U, 0, 0, -1, nullptr, true},
        {old, Place::Abandoned, U, 0, 0, -1, nullptr, false},
        {at("missing/out.bin"), Place::AsIs, U, 0, 0, 0, nullptr, false},
        {dir.path(), Place::AsIs, U, 0, 0, 0, nullptr, false},
        {at("out.bin/x.bin"), Place::AsIs, U, 0, 0, 0, nullptr, false},
        {kPosix ? QStringLiteral("/proc/felgrove.bin") : QStringLiteral("C:/f<o>.bin"), Place::AsIs,
         U, 0, 0, 0, nullptr, false},
        {at("pipe"), Place::Fifo, U, 0, 0, 0, nullptr, false},
        {at("folder/out.bin"), Place::LockedFolder, U, 0, 0, EACCES, "Permission denied", false},
        {old, Place::LockedFile, U, 0, 0, 0, "Existing file is not writable", false},
        {at("new.bin"), Place::FolderAtCommit, U, 0, 0, 0, nullptr, false},
        {old, Place::AsIs, 2, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 1000, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 300006, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 400000, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, 599999, 0, 0, EFBIG, "File too large", false},
        {old, Place::AsIs, U, 1, 0, EIO, "Input/output error", false},
        {old, Place::AsIs, U, 0, 1, EIO, "The file could not be closed", false},
        {old, Place::AsIs, U, 2, 0, EIO, unconfirmed, true},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.target.toStdString() << " " << r.disk);
        const bool locked = r.place == Place::LockedFolder || r.place == Place::LockedFile;
        // Windows has no FIFOs and no file-size limit, a read-only folder
        // there takes new files, and Qt does not look at the close of a file.
        if ((!kPosix && (r.place == Place::Fifo || r.place == Place::LockedFolder || r.disk != U ||
                         r.close)) ||
            (locked && ownsEveryFile()))
            continue;
        writeFile(old, "old");
        ASSERT_TRUE(r.place != Place::Fifo || makeFifo(r.target));
        const QString lock = r.place == Place::LockedFolder ? at("folder") : r.target;
        const QStringList before = files(dir.path());
        prg::Status failure;
        {
            const FailingDisk disk(r.sync, r.close);
            const FileSizeLimit full(r.disk);
            makeWritable(lock, !locked);
            failure = write(r.target, r.place);
            makeWritable(lock, true);
        }
        ASSERT_EQ(failure.has_value(), r.number >= 0);
        if (failure) {
            const QString text = failure->description;
            const QString named = QDir::toNativeSeparators(r.target) + QLatin1String(": ");
            EXPECT_EQ(text, named + (r.reason ? QLatin1String(r.reason) : text.mid(named.size())));
            EXPECT_TRUE(failure->number != 0 && (!r.number || failure->number == r.number))
                << failure->number;
            EXPECT_EQ(failure->source, QLatin1String("Nembra"));
        }
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
    // Where Linux lists the open files; under Wine it lists Wine's own too,
    // which come and go as they please.
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    const qsizetype opened = descriptors.entryList(QDir::AllEntries | QDir::System).size();
    writeFile(at("in.prg"), "\x01\x08\x01\x02\x03\x04\x05");
    for (int again = 0; again < 3; ++again)
        ASSERT_FALSE(input.open());
    EXPECT_EQ(input.size(), 7);
    if (kPosix) {
        EXPECT_EQ(descriptors.entryList(QDir::AllEntries | QDir::System).size(), opened);
    }
}

} // namespace
