#include "prgtools/extractor/core/extraction.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

using namespace prg::test;

QByteArray prg(int load, int dataBytes) {
    QByteArray bytes(dataBytes + 2, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i < 2 ? load >> 8 * i : i * 37);
    return bytes;
}

const QByteArray kOld("old output");

class Extract : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.prg"));
    const QString out = dir.filePath(QStringLiteral("out.bin"));
    QStringList restrictions;
    int converting = 0;

    // Runs one extraction; once both files are open, the input is cut to
    // `cutTo` bytes when that is 0 or more, and removed at -2.
    prg::Outcome<qint64> extract(int start, int end, bool location = false,
                                 const char* newLocation = "", QString output = {},
                                 qint64 cutTo = -1) {
        restrictions.clear();
        converting = 0;
        prg::ConversionEvents hooks;
        hooks.converting = [&] {
            ++converting;
            if (cutTo >= 0)
                QFile::resize(in, cutTo);
            if (cutTo == -2)
                QFile::remove(in);
        };
        hooks.startRestricted = [this](const QString& load) { restrictions << load; };
        return slivra::extractRange({in,
                                     output.isEmpty() ? out : output,
                                     {start, end},
                                     location,
                                     QString::fromLatin1(newLocation)},
                                    hooks);
    }
};

// A plain byte-by-byte loop, as a reference for the block-wise copy.
QByteArray byteByByte(const QByteArray& file, int start, int end) {
    const int load = file.size() < 2 ? 0 : quint8(file[0]) | (quint8(file[1]) << 8);
    QByteArray result;
    for (qsizetype p = 2; p < file.size(); ++p)
        if (load == 0 || (load + p - 2 >= start && load + p - 2 <= end))
            result.append(file[p]);
    return result;
}

// Windows in small files and in one larger than the read block, in and
// across its blocks. Each extraction replaces the old output and only reads
// the input.
TEST_F(Extract, WritesTheBytesOfTheAddressWindow) {
    const QByteArray bitmap = prg(0x5800, 10); // $5800-$5809
    QByteArray large = prg(0x0001, 0);
    std::mt19937 random(1541);
    for (int i = 0; i < 700000; ++i)
        large.append(char(random()));
    const QByteArray largeAt0 = QByteArray(2, 0) + large.mid(2);
    const int block = 256 * 1024;
    const struct {
        QByteArray input;
        int start;
        int end;
        bool location;            // the new location bytes 00 60 are included
        const char* restrictedTo; // "": no restriction notice
    } rows[] = {
        {bitmap, 0x5800, 0x5809, true, ""},
        {prg(0xc000, 10), 0x0801, 0xc001, false, "C000"},
        {bitmap, 0x5805, 0x5802, true, ""},         // no byte in the window
        {prg(0xc000, 0), 0x0000, 0xffff, true, ""}, // no data byte: no location
        {QByteArray("\x01", 1), 0x0000, 0xffff, true, ""},
        {QByteArray(), 0x0000, 0xffff, true, ""},
        {large, 0x0001, 0xffff, false, ""},
        {large, block - 2, block + 1, false, ""},
        {large, block + 1, 2 * block + 5, false, ""},
        {large, 0xfffe, 0xffff, false, ""},
        {largeAt0, 0x1000, 0x1000, false, ""}, // $0000 takes every byte, whatever the window
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.start << " " << r.end);
        writeFile(in, r.input);
        writeFile(out, kOld);
        const auto count = extract(r.start, r.end, r.location, r.location ? "6000" : "zz");
        const QByteArray taken = byteByByte(r.input, r.start, r.end);
        ASSERT_EQ(count.ok() ? *count : -1, taken.size());
        const bool located = r.location && r.input.size() > 2;
        EXPECT_TRUE(contents(out) == (located ? QByteArray("\x00\x60", 2) : QByteArray()) + taken);
        EXPECT_EQ(restrictions.join(QString()), QLatin1String(r.restrictedTo));
        EXPECT_EQ(converting, 1);
        EXPECT_TRUE(contents(in) == r.input);
    }
}

// A refusal comes before anything is opened, a failure names its file; the
// old output stays and nothing is left beside it. A cut input is a failure,
// bytes added behind its size at the start are not read, and a removed input
// is still read whole.
TEST_F(Extract, RefusalsAndFaultsLoseNothing) {
    const QByteArray input = prg(0x0000, 600000); // more than one block, every byte taken
    const char* cut = "in.prg: The input file changed while it was read";
    const quint64 U = kUnlimited;
    const struct {
        QString output;
        const char* newLocation;
        qint64 cutTo;        // -1: left alone; -2: removed
        quint64 disk;        // bytes a file may hold
        int sync;            // the sync that fails
        bool locked;         // the old output is read-only
        const char* failure; // part of the description; nullptr: succeeds
        int converting;      // 0: refused before the conversion proper
    } rows[] = {
        {in, "1000", -1, U, 0, false, "Output file must not be the input file", 0},
        {dir.filePath(QStringLiteral("pipe")), "1000", -1, U, 0, false, "not an ordinary", 0},
        {out, "1000", -1, U, 0, true, "Existing file is not writable", 0},
        {out, "", -1, U, 0, false, "Invalid new location address", 0},
        {out, "1000", -1, 1000, 0, false, "out.bin: File too large", 1},
        {out, "1000", -1, U, 1, false, "out.bin: Input/output error", 1},
        {out, "1000", 0, U, 0, false, cut, 1},
        {out, "1000", 300000, U, 0, false, cut, 1},
        {out, "1000", -2, U, 0, false, nullptr, 1},
        {out, "1000", input.size() + 500, U, 0, false, nullptr, 1},
    };
    ASSERT_EQ(makeFifo(dir.filePath(QStringLiteral("pipe"))), kPosix);
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.cutTo << " " << (r.failure ? r.failure : ""));
        if ((!kPosix && (r.output.endsWith(QLatin1String("pipe")) || r.disk != U)) ||
            (r.locked && felgrove::platform::testing::ownsEveryFile()))
            continue;
        writeFile(in, input);
        writeFile(out, kOld);
        makeWritable(out, !r.locked);
        prg::Outcome<qint64> count = prg::Failure{};
        {
            const FileSizeLimit limit(r.disk);
            const FailingDisk disk(r.sync, 0);
            count = extract(0x0000, 0xffff, true, r.newLocation, r.output, r.cutTo);
        }
        makeWritable(out, true);
        EXPECT_EQ(converting, r.converting);
        ASSERT_EQ(count.ok(), !r.failure);
        if (r.failure) {
            EXPECT_NE(count.failure().number, 0);
            EXPECT_EQ(count.failure().source, QLatin1String("Slivra"));
            EXPECT_TRUE(count.failure().description.contains(QLatin1String(r.failure)));
        }
        EXPECT_TRUE(contents(out) == (r.failure ? kOld : QByteArray("\x00\x10", 2) + input.mid(2)));
        EXPECT_TRUE(r.cutTo != -1 || contents(in) == input);
        EXPECT_EQ(files(dir.path()).join(QLatin1Char(' ')),
                  QLatin1String(r.cutTo == -2 ? "" : "in.prg ") + QLatin1String("out.bin") +
                      QLatin1String(kPosix ? " pipe" : ""));
    }
}

} // namespace
