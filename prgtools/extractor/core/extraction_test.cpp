#include "prgtools/extractor/core/extraction.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <random>

namespace {

using prg::test::contents;
using prg::test::writeFile;

QByteArray prg(int loadAddress, int dataBytes) {
    QByteArray bytes;
    bytes.append(char(loadAddress & 0xff));
    bytes.append(char(loadAddress >> 8));
    for (int i = 0; i < dataBytes; ++i)
        bytes.append(char((i * 37 + 11) & 0xff));
    return bytes;
}

const QByteArray kOldOutput("old output");

struct Extracted {
    prg::Outcome<qint64> result = prg::Failure{};
    QStringList restrictions;
    int convertingCalls = 0;
};

class Extract : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString in() const { return dir.filePath(QStringLiteral("in.prg")); }
    QString out() const { return dir.filePath(QStringLiteral("out.bin")); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    // Runs one extraction; once both files are open, the input is resized to
    // `resizeTo` bytes when that is 0 or more, and removed at -2.
    Extracted extract(int start, int end, bool location = false, const char* newLocation = "",
                      const QString& output = {}, qint64 resizeTo = -1) {
        Extracted run;
        prg::ConversionEvents hooks;
        hooks.converting = [&] {
            ++run.convertingCalls;
            if (resizeTo >= 0)
                QFile::resize(in(), resizeTo);
            if (resizeTo == -2)
                QFile::remove(in());
        };
        hooks.startRestricted = [&run](const QString& load) { run.restrictions << load; };
        const slivra::ExtractRequest request{in(),
                                             output.isEmpty() ? out() : output,
                                             {start, end},
                                             location,
                                             QString::fromLatin1(newLocation)};
        run.result = slivra::extractRange(request, hooks);
        return run;
    }
};

const QByteArray kBitmap = prg(0x5800, 10);    // $5800-$5809
const QByteArray kKernal = prg(0xc000, 10);    // a load address with letters
const QByteArray kZeroLoad = prg(0x0000, 300); // loads at $0000
const QByteArray kPastTop = prg(0xfff0, 100);  // runs past $FFFF
const QByteArray k6000("\x00\x60", 2);

const struct {
    const char* name;
    QByteArray input;
    int start;
    int end;
    bool location;
    const char* newLocation;
    QByteArray expected;
    const char* restrictedTo; // "": no restriction notice
} kRangeCases[] = {
    {"behind new location bytes", kBitmap, 0x5800, 0x5809, true, "6000", k6000 + kBitmap.mid(2),
     ""},
    {"start before the load address", kBitmap, 0x5000, 0x5809, false, "", kBitmap.mid(2), "5800"},
    {"restriction in upper case", kKernal, 0x0801, 0xc001, false, "", kKernal.mid(2, 2), "C000"},
    {"start after end", kBitmap, 0x5805, 0x5802, true, "1234", "\x34\x12", ""},
    {"end before the load address", kBitmap, 0x5800, 0x57ff, true, "6000", k6000, ""},
    {"end beyond the data", kBitmap, 0x5805, 0xffff, false, "", kBitmap.mid(7), ""},
    {"load address $0000", kZeroLoad, 0xffff, 0x0000, false, "", kZeroLoad.mid(2), ""},
    {"nothing past $FFFF", kPastTop, 0xfff0, 0xffff, false, "", kPastTop.mid(2, 16), ""},
    {"no data byte: no location", prg(0xc000, 0), 0x0000, 0xffff, true, "6000", "", ""},
    {"one byte", QByteArray("\x01", 1), 0x0000, 0xffff, true, "6000", "", ""},
    {"empty file", QByteArray(), 0x0000, 0xffff, true, "6000", "", ""},
    {"location of three digits", kBitmap, 0x5800, 0x5800, true, "801",
     QByteArray("\x01\x08") + kBitmap.mid(2, 1), ""},
    {"location unused when off", kBitmap, 0x5800, 0x5800, false, "zz", kBitmap.mid(2, 1), ""},
};

// Each extraction replaces the old output.
TEST_F(Extract, WritesTheBytesOfTheAddressWindow) {
    for (const auto& c : kRangeCases) {
        SCOPED_TRACE(c.name);
        writeFile(in(), c.input);
        writeFile(out(), kOldOutput);
        const Extracted run = extract(c.start, c.end, c.location, c.newLocation);
        ASSERT_TRUE(run.result.ok()) << run.result.failure().description.toStdString();
        EXPECT_EQ(*run.result, contents(out()).size() - (c.location && c.input.size() > 2) * 2);
        EXPECT_EQ(contents(out()).toHex(' '), c.expected.toHex(' '));
        EXPECT_EQ(run.restrictions.join(QString()), QLatin1String(c.restrictedTo));
        EXPECT_EQ(run.convertingCalls, 1);
        EXPECT_EQ(contents(in()), c.input); // the input is only read
    }
}

// A plain byte-by-byte loop, as a reference for the block-wise copy.
QByteArray byteByByte(const QByteArray& file, int start, int end) {
    const int load = quint8(file[0]) | (quint8(file[1]) << 8);
    start = std::max(start, load);
    QByteArray result;
    for (qsizetype p = 2; p < file.size(); ++p) {
        const qint64 address = qint64(load) + p - 2;
        if (load != 0 && address > end)
            break;
        if (load == 0 || address >= start)
            result.append(file[p]);
    }
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
    } windows[] = {{1, 0x0001, 0xffff}, {1, block - 2, block + 1},
                   {1, block, block},   {1, block + 1, 2 * block + 5},
                   {1, 0x0001, 0x0001}, {1, 0xfffe, 0xffff},
                   {0, 0x1000, 0x1000}}; // $0000 takes every byte, whatever the window
    for (const auto& w : windows) {
        SCOPED_TRACE(w.start);
        file[0] = char(w.load);
        writeFile(in(), file);
        const Extracted run = extract(w.start, w.end);
        ASSERT_TRUE(run.result.ok());
        const QByteArray expected = byteByByte(file, w.start, w.end);
        EXPECT_EQ(*run.result, expected.size());
        EXPECT_TRUE(contents(out()) == expected);
    }
}

// Refusals and failures: the input and any existing output stay as they were
// and nothing is left behind.
TEST_F(Extract, FailuresLoseNothing) {
    const QByteArray input = prg(0x0801, 50);
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(prg::test::makeFifo(dir.filePath(QStringLiteral("pipe"))));
    writeFile(in(), input);
    const char* same = "Output file must not be the input file";
    const struct {
        QString output;
        const char* newLocation;
        const char* description; // part of the failure's description
        int converting;          // 0: failed before the conversion proper
    } cases[] = {
        {in(), "1000", same, 0},
        {dir.path() + QStringLiteral("/sub/../in.prg"), "1000", same, 0},
        {dir.filePath(QStringLiteral("sub")), "1000", "sub", 0},
        {dir.filePath(QStringLiteral("pipe")), "1000", "not an ordinary file", 0},
        {dir.filePath(QStringLiteral("none/out.bin")), "1000", "out.bin", 0},
        {dir.filePath(QString(300, QLatin1Char('n'))), "1000", "nnnn", 1},
        {out(), "zz", "Invalid new location address", 0},
        {out(), "", "Invalid new location address", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output.toStdString() + " " + c.newLocation);
        const Extracted run = extract(0x0801, 0xffff, true, c.newLocation, c.output);
        ASSERT_FALSE(run.result.ok());
        EXPECT_NE(run.result.failure().number, 0);
        EXPECT_EQ(run.result.failure().source, QLatin1String("Slivra"));
        EXPECT_TRUE(run.result.failure().description.contains(QLatin1String(c.description)))
            << run.result.failure().description.toStdString();
        EXPECT_EQ(run.convertingCalls, c.converting);
        EXPECT_EQ(contents(in()), input);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              (QStringList{QStringLiteral("in.prg"), QStringLiteral("pipe")}));
}

// Faults while the extraction runs: the disk fills up before the first
// byte, inside the first block or at a block's edge, or the input changes
// once both files are open. A cut input is a failure, bytes added behind the
// size found at the start are not read, and a removed file is still read
// whole. A failure names its file, keeps the old output and leaves nothing
// beside it.
TEST_F(Extract, FaultsWhileRunningLoseNothing) {
    const QByteArray small = prg(0x0801, 2000);
    const QByteArray large = prg(0x0000, 600000); // more than one block, every byte taken
    const QString changed = in() + QLatin1String(": The input file changed while it was read");
    const QString full = out() + QLatin1String(": File too large");
    const struct {
        QByteArray input;
        qint64 resizeTo; // -1: left alone; -2: removed
        prg::test::FileBytes sizeLimit;
        QString failure; // empty: succeeds
    } cases[] = {
        {large, -1, 0, full},
        {large, -1, 1, full},
        {large, -1, 2, full},
        {large, -1, 1000, full},
        {large, -1, 262144, full},
        {small, 0, prg::test::kUnlimited, changed},
        {small, 2, prg::test::kUnlimited, changed},
        {small, 3, prg::test::kUnlimited, changed},
        {small, 1000, prg::test::kUnlimited, changed},
        {large, 100, prg::test::kUnlimited, changed},
        {large, 300000, prg::test::kUnlimited, changed},
        {small, -2, prg::test::kUnlimited, {}},
        {large, -2, prg::test::kUnlimited, {}},
        {small, small.size() + 500, prg::test::kUnlimited, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.resizeTo << " " << c.sizeLimit);
        writeFile(in(), c.input);
        writeFile(out(), kOldOutput);
        Extracted run;
        {
            const prg::test::FileSizeLimit limit(c.sizeLimit);
            run = extract(0x0000, 0xffff, true, "1000", {}, c.resizeTo);
        }
        if (!c.failure.isEmpty()) {
            ASSERT_FALSE(run.result.ok());
            EXPECT_EQ(run.result.failure().description, c.failure);
            EXPECT_EQ(contents(out()), kOldOutput);
        } else {
            ASSERT_TRUE(run.result.ok());
            EXPECT_EQ(*run.result, c.input.size() - 2);
            EXPECT_TRUE(contents(out()) == QByteArray("\x00\x10", 2) + c.input.mid(2));
        }
        EXPECT_EQ(files().size(), c.resizeTo == -2 ? 1 : 2);
    }
}

} // namespace
