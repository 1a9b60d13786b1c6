#include "prgtools/extractor/core/extraction.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

using namespace prg::test;

QByteArray prg(int loadAddress, int dataBytes) {
    QByteArray bytes;
    bytes.append(char(loadAddress & 0xff));
    bytes.append(char(loadAddress >> 8));
    for (int i = 0; i < dataBytes; ++i)
        bytes.append(char((i * 37 + 11) & 0xff));
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
        return slivra::extractRange({in, output.isEmpty() ? out : output, {start, end}, location,
                                     QString::fromLatin1(newLocation)},
                                    hooks);
    }
};

// Each extraction replaces the old output and only reads the input.
TEST_F(Extract, WritesTheBytesOfTheAddressWindow) {
    const QByteArray bitmap = prg(0x5800, 10); // $5800-$5809
    const QByteArray kernal = prg(0xc000, 10);
    const struct {
        QByteArray input;
        int start;
        int end;
        bool location;
        const char* newLocation;
        QByteArray expected;
        const char* restrictedTo; // "": no restriction notice
    } rows[] = {
        {bitmap, 0x5800, 0x5809, true, "6000", QByteArray("\x00\x60", 2) + bitmap.mid(2), ""},
        {kernal, 0x0801, 0xc001, false, "", kernal.mid(2, 2), "C000"},
        {bitmap, 0x5805, 0x5802, true, "1234", "\x34\x12", ""}, // no byte in the window
        {bitmap, 0x5800, 0x5800, false, "zz", bitmap.mid(2, 1), ""},
        {prg(0xc000, 0), 0x0000, 0xffff, true, "6000", "", ""}, // no data byte: no location
        {QByteArray("\x01", 1), 0x0000, 0xffff, true, "6000", "", ""},
        {QByteArray(), 0x0000, 0xffff, true, "6000", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.expected.toHex(' ').toStdString());
        writeFile(in, r.input);
        writeFile(out, kOld);
        const auto count = extract(r.start, r.end, r.location, r.newLocation);
        ASSERT_TRUE(count.ok()) << count.failure().description.toStdString();
        EXPECT_EQ(*count, r.expected.size() - (r.location && r.input.size() > 2) * 2);
        EXPECT_EQ(contents(out).toHex(' '), r.expected.toHex(' '));
        EXPECT_EQ(restrictions.join(QString()), QLatin1String(r.restrictedTo));
        EXPECT_EQ(converting, 1);
        EXPECT_EQ(contents(in), r.input);
    }
}

// A plain byte-by-byte loop, as a reference for the block-wise copy.
QByteArray byteByByte(const QByteArray& file, int start, int end) {
    const int load = quint8(file[0]) | (quint8(file[1]) << 8);
    QByteArray result;
    for (qsizetype p = 2; p < file.size(); ++p)
        if (load == 0 || (load + p - 2 >= start && load + p - 2 <= end))
            result.append(file[p]);
    return result;
}

// Windows of a file larger than the read block, in and across its blocks.
TEST_F(Extract, BlockEdgesGiveTheSameBytesAsOneByteAtATime) {
    QByteArray file = prg(0x0001, 0);
    std::mt19937 random(1541);
    for (int i = 0; i < 700000; ++i)
        file.append(char(random()));
    const int block = 256 * 1024;
    const struct {
        int load;
        int start;
        int end;
    } rows[] = {{1, 0x0001, 0xffff},         {1, block - 2, block + 1}, {1, block, block},
                {1, block + 1, 2 * block + 5}, {1, 0x0001, 0x0001},     {1, 0xfffe, 0xffff},
                {0, 0x1000, 0x1000}}; // $0000 takes every byte, whatever the window
    for (const auto& r : rows) {
        SCOPED_TRACE(r.start);
        file[0] = char(r.load);
        writeFile(in, file);
        const auto count = extract(r.start, r.end);
        const QByteArray expected = byteByByte(file, r.start, r.end);
        ASSERT_EQ(count.ok() ? *count : -1, expected.size());
        EXPECT_TRUE(contents(out) == expected);
    }
}

// A refusal comes before anything is opened, a failure names its file; the
// old output stays and nothing is left beside it. A cut input is a failure,
// bytes added behind its size at the start are not read, and a removed input
// is still read whole.
TEST_F(Extract, RefusalsAndFaultsLoseNothing) {
    const QByteArray small = prg(0x0801, 2000);
    const QByteArray large = prg(0x0000, 600000); // more than one block, every byte taken
    const char* same = "Output file must not be the input file";
    const char* bad = "Invalid new location address";
    const char* full = "out.bin: File too large";
    const char* cut = "in.prg: The input file changed while it was read";
    const quint64 U = kUnlimited;
    const QString sub = dir.filePath(QStringLiteral("sub"));
    const struct {
        QString output;
        const char* newLocation;
        bool large;
        qint64 cutTo; // -1: left alone; -2: removed
        quint64 disk; // bytes a file may hold
        int sync;     // the sync that fails
        bool locked;  // the old output is read-only
        const char* failure; // part of the description; nullptr: succeeds
        int converting;      // 0: refused before the conversion proper
    } rows[] = {
        {in, "1000", false, -1, U, 0, false, same, 0},
        {sub + QStringLiteral("/../in.prg"), "1000", false, -1, U, 0, false, same, 0},
        {sub, "1000", false, -1, U, 0, false, "sub", 0},
        {dir.filePath(QStringLiteral("pipe")), "1000", false, -1, U, 0, false, "not an ordin", 0},
        {dir.filePath(QStringLiteral("no/out.bin")), "1000", false, -1, U, 0, false, "out.bin", 0},
        {dir.filePath(QString(300, QLatin1Char('n'))), "1000", false, -1, U, 0, false, "nnnn", 1},
        {out, "1000", false, -1, U, 0, true, "Existing file is not writable", 0},
        {out, "zz", false, -1, U, 0, false, bad, 0},
        {out, "", false, -1, U, 0, false, bad, 0},
        {out, "1000", true, -1, 1, 0, false, full, 1},
        {out, "1000", true, -1, 262144, 0, false, full, 1},
        {out, "1000", false, -1, U, 1, false, "out.bin: Input/output error", 1},
        {out, "1000", false, 0, U, 0, false, cut, 1},
        {out, "1000", false, 3, U, 0, false, cut, 1},
        {out, "1000", true, 300000, U, 0, false, cut, 1},
        {out, "1000", true, -2, U, 0, false, nullptr, 1},
        {out, "1000", false, small.size() + 500, U, 0, false, nullptr, 1},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_EQ(makeFifo(dir.filePath(QStringLiteral("pipe"))), kPosix);
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.output.toStdString() << " " << r.newLocation << " "
                                        << r.cutTo << " " << r.disk);
        if ((!kPosix && (r.output.endsWith(QLatin1String("pipe")) || r.disk != U)) ||
            (r.locked && felgrove::platform::testing::ownsEveryFile()))
            continue;
        const QByteArray input = r.large ? large : small;
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
        EXPECT_EQ(count.ok() ? *count : 0, r.failure ? 0 : input.size() - 2);
        EXPECT_TRUE(contents(out) == (r.failure ? kOld : QByteArray("\x00\x10", 2) + input.mid(2)));
        if (r.cutTo == -1) {
            EXPECT_TRUE(contents(in) == input);
        }
        EXPECT_EQ(files(dir.path()).join(QLatin1Char(' ')),
                  QLatin1String(r.cutTo == -2 ? "" : "in.prg ") + QLatin1String("out.bin") +
                      QLatin1String(kPosix ? " pipe" : ""));
    }
}

} // namespace
