#include "prgtools/extractor/core/extraction.h"
#include "testsupport/testfiles.h"

#include "testsupport/testfaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
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

// The data bytes of `file` from file offset `from` on, `count` of them.
QByteArray data(const QByteArray& file, int from, int count) {
    return file.mid(from, count);
}

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

    Extracted extract(int start, int end, bool location = false, const QString& newLocation = {},
                      const QString& output = {}) {
        Extracted run;
        prg::ConversionEvents hooks;
        hooks.converting = [&run] { ++run.convertingCalls; };
        hooks.startRestricted = [&run](const QString& load) { run.restrictions << load; };
        const slivra::ExtractRequest request{
            in(), output.isEmpty() ? out() : output, start, end, location, newLocation};
        run.result = slivra::extractRange(request, hooks);
        return run;
    }
};

struct RangeCase {
    const char* name;
    QByteArray input;
    int start;
    int end;
    bool location;
    const char* newLocation;
    QByteArray expected;
    qint64 count;
    const char* restrictedTo; // nullptr: no restriction notice
};

const QByteArray kBitmap = prg(0x5800, 10);    // $5800-$5809
const QByteArray kKernal = prg(0xc000, 10);    // a load address with letters
const QByteArray kBlock = prg(0x0801, 1024);   // a file of 1026 bytes
const QByteArray kZeroLoad = prg(0x0000, 300); // loads at $0000
const QByteArray kPastTop = prg(0xfff0, 100);  // runs past $FFFF
const QByteArray kLocation6000 = QByteArray("\x00\x60", 2);

const RangeCase kRangeCases[] = {
    {"middle of the data", kBitmap, 0x5802, 0x5805, false, "", data(kBitmap, 4, 4), 4, nullptr},
    {"all data behind new location bytes", kBitmap, 0x5800, 0x5809, true, "6000",
     kLocation6000 + data(kBitmap, 2, 10), 10, nullptr},
    {"start before the load address", kBitmap, 0x5000, 0x5809, false, "", data(kBitmap, 2, 10), 10,
     "5800"},
    {"restriction names upper-case digits", kKernal, 0x0801, 0xc001, false, "", data(kKernal, 2, 2),
     2, "C000"},
    {"end beyond the data", kBitmap, 0x5805, 0xffff, false, "", data(kBitmap, 7, 5), 5, nullptr},
    {"one byte window at each edge", kBitmap, 0x5809, 0x5809, false, "", data(kBitmap, 11, 1), 1,
     nullptr},
    {"start after end", kBitmap, 0x5805, 0x5802, true, "1234", QByteArray("\x34\x12", 2), 0,
     nullptr},
    {"end before the load address", kBitmap, 0x5800, 0x57ff, true, "6000", kLocation6000, 0,
     nullptr},
    {"load address $0000 takes everything", kZeroLoad, 0xffff, 0x0000, false, "",
     data(kZeroLoad, 2, 300), 300, nullptr},
    {"1026 bytes, end past the data", kBlock, 0x0801, 0xffff, false, "", data(kBlock, 2, 1024),
     1024, nullptr},
    {"data past $FFFF stops at ffff", kPastTop, 0xfff0, 0xffff, false, "", data(kPastTop, 2, 16),
     16, nullptr},
    {"two bytes: empty even with location",
     prg(0xc000, 0),
     0x0000,
     0xffff,
     true,
     "6000",
     {},
     0,
     nullptr},
    {"one byte", QByteArray("\x01", 1), 0x0000, 0xffff, true, "6000", {}, 0, nullptr},
    {"empty file", QByteArray(), 0x0000, 0xffff, true, "6000", {}, 0, nullptr},
    {"new location of three digits", kBitmap, 0x5800, 0x5800, true, "801",
     QByteArray("\x01\x08", 2) + data(kBitmap, 2, 1), 1, nullptr},
    {"new location of one digit", kBitmap, 0x5800, 0x5800, true, "5",
     QByteArray("\x05\x00", 2) + data(kBitmap, 2, 1), 1, nullptr},
    {"new location not used without location bytes", kBitmap, 0x5800, 0x5800, false, "zz",
     data(kBitmap, 2, 1), 1, nullptr},
    {"upper-case new location", kBitmap, 0x5800, 0x5800, true, "C0DE",
     QByteArray("\xde\xc0", 2) + data(kBitmap, 2, 1), 1, nullptr},
};

TEST_F(Extract, WritesTheBytesOfTheAddressWindow) {
    for (const RangeCase& c : kRangeCases) {
        SCOPED_TRACE(c.name);
        writeFile(in(), c.input);
        const Extracted run =
            extract(c.start, c.end, c.location, QString::fromLatin1(c.newLocation));
        ASSERT_TRUE(run.result.ok()) << run.result.failure().description.toStdString();
        EXPECT_EQ(*run.result, c.count);
        EXPECT_EQ(contents(out()).toHex(' '), c.expected.toHex(' '));
        EXPECT_EQ(run.restrictions, c.restrictedTo
                                        ? QStringList{QString::fromLatin1(c.restrictedTo)}
                                        : QStringList{});
        EXPECT_EQ(run.convertingCalls, 1);
        EXPECT_EQ(contents(in()), c.input); // the input is only read
    }
}

// A new location that gives no address is refused before anything is opened.
TEST_F(Extract, ANewLocationThatIsNoAddressIsRefused) {
    writeFile(in(), kBitmap);
    const Extracted run = extract(0x5800, 0x5800, true, QStringLiteral("zz"));
    ASSERT_FALSE(run.result.ok());
    EXPECT_EQ(run.result.failure().description, QLatin1String("Invalid new location address"));
    EXPECT_EQ(run.convertingCalls, 0);
    EXPECT_FALSE(QFile::exists(out()));
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

TEST_F(Extract, BlockEdgesGiveTheSameBytesAsOneByteAtATime) {
    // Windows of a file larger than the read block, in and across its blocks.
    QByteArray file = prg(0x0001, 0);
    std::mt19937 random(1541);
    for (int i = 0; i < 700000; ++i)
        file.append(char(random()));
    writeFile(in(), file);
    const int block = 256 * 1024;
    const std::pair<int, int> windows[] = {{0x0001, 0xffff}, {block - 2, block + 1},
                                           {block, block},   {block + 1, 2 * block + 5},
                                           {0x0001, 0x0001}, {0xfffe, 0xffff}};
    for (const auto& [start, end] : windows) {
        SCOPED_TRACE(start);
        const Extracted run = extract(start, end);
        ASSERT_TRUE(run.result.ok());
        const QByteArray expected = byteByByte(file, start, end);
        EXPECT_EQ(*run.result, expected.size());
        EXPECT_TRUE(contents(out()) == expected);
    }
    // A load address of $0000 takes every byte, whatever the window.
    file[1] = 0;
    file[0] = 0;
    writeFile(in(), file);
    const Extracted all = extract(0x1000, 0x1000);
    ASSERT_TRUE(all.result.ok());
    EXPECT_EQ(*all.result, file.size() - 2);
    EXPECT_TRUE(contents(out()) == file.mid(2));
}

TEST_F(Extract, ReplacesAnExistingOutput) {
    writeFile(in(), kBitmap);
    writeFile(out(), QByteArray(5000, 'x'));
    ASSERT_TRUE(extract(0x5800, 0x5801).result.ok());
    EXPECT_EQ(contents(out()), data(kBitmap, 2, 2));
}

// Refusals and failures: the input and any existing output stay as they were
// and nothing is left behind.
TEST_F(Extract, FailuresLoseNothing) {
    const QByteArray input = prg(0x0801, 50);
    const QByteArray oldOutput("old output");
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    writeFile(in(), input);
    QStringList files{QStringLiteral("hard.prg"), QStringLiteral("in.prg")};
#ifndef Q_OS_WIN // Windows has no FIFOs, and QFile::link makes a shortcut file there
    ASSERT_TRUE(prg::test::makeFifo(dir.filePath(QStringLiteral("pipe"))));
    ASSERT_TRUE(QFile::link(in(), dir.filePath(QStringLiteral("link.prg"))));
    files << QStringLiteral("link.prg") << QStringLiteral("pipe");
#endif
    ASSERT_TRUE(prg::test::makeHardLink(in(), dir.filePath(QStringLiteral("hard.prg"))));
    const struct {
        const char* name;
        QString output;
        const char* description; // part of the failure's description
        bool refused;            // refused before either file was opened
    } cases[] = {
        {"same path", in(), "Output file must not be the input file", true},
        {"other spelling", dir.path() + QStringLiteral("/sub/../in.prg"),
         "Output file must not be the input file", true},
#ifndef Q_OS_WIN
        {"symbolic link", dir.filePath(QStringLiteral("link.prg")),
         "Output file must not be the input file", true},
#endif
        {"hard link", dir.filePath(QStringLiteral("hard.prg")),
         "Output file must not be the input file", true},
        {"a folder", dir.filePath(QStringLiteral("sub")), "sub", true},
#ifndef Q_OS_WIN
        {"a FIFO", dir.filePath(QStringLiteral("pipe")), "not an ordinary file", true},
#endif
        {"missing folder", dir.filePath(QStringLiteral("none/out.bin")), "out.bin", false},
        {"name too long", dir.filePath(QString(300, QLatin1Char('n'))), "nnnn", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Extracted run = extract(0x0801, 0xffff, true, QStringLiteral("1000"), c.output);
        ASSERT_FALSE(run.result.ok());
        EXPECT_NE(run.result.failure().number, 0);
        EXPECT_EQ(run.result.failure().source, QLatin1String("Slivra"));
        EXPECT_TRUE(run.result.failure().description.contains(QLatin1String(c.description)))
            << run.result.failure().description.toStdString();
        if (c.refused) {
            EXPECT_EQ(run.convertingCalls, 0);
        }
        EXPECT_EQ(contents(in()), input);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), files);
    EXPECT_FALSE(QFileInfo(dir.filePath(QStringLiteral("pipe"))).isFile());

    // An input that vanished, or is a folder: the old output stays.
    writeFile(out(), oldOutput);
    QFile::remove(in());
    EXPECT_FALSE(extract(0x0801, 0xffff).result.ok());
    QDir(dir.path()).mkdir(QStringLiteral("in.prg"));
    EXPECT_FALSE(extract(0x0801, 0xffff).result.ok());
    EXPECT_EQ(contents(out()), oldOutput);
}

// The disk fills up during the extraction, before the first byte, inside
// the first block and at a block's edge: the failure names the output, the
// old output stays whole and nothing is left beside it.
TEST_F(Extract, AWriteFailingMidwayLosesNothing) {
    if (!prg::test::kPosix)
        GTEST_SKIP() << "no file-size limit here to fill the disk with";
    const QByteArray input = prg(0x0000, 300000); // every data byte is taken
    const QByteArray oldOutput("old output");
    writeFile(in(), input);
    for (prg::test::FileBytes limit :
         {prg::test::FileBytes(0), prg::test::FileBytes(1), prg::test::FileBytes(2),
          prg::test::FileBytes(1000), prg::test::FileBytes(262144)}) {
        SCOPED_TRACE(limit);
        writeFile(out(), oldOutput);
        Extracted run;
        {
            const prg::test::FileSizeLimit full(limit);
            run = extract(0x0000, 0xffff, true, QStringLiteral("1000"));
        }
        ASSERT_FALSE(run.result.ok());
        EXPECT_EQ(run.result.failure().number, EFBIG);
        EXPECT_EQ(run.result.failure().source, QLatin1String("Slivra"));
        EXPECT_TRUE(run.result.failure().description.contains(out()));
        EXPECT_EQ(contents(out()), oldOutput);
        EXPECT_EQ(contents(in()), input);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("in.prg"), QStringLiteral("out.bin")}));
    }
}

// The input changes once the extraction has opened it: a file cut short
// before the end of the range is a failure that keeps the old output, bytes
// added behind the end found at the start are not read, and a removed file
// is still read whole.
TEST_F(Extract, AnInputThatChangesWhileReadIsNeverCutShort) {
    const QByteArray input = prg(0x0801, 2000);
    const QByteArray oldOutput("old output");
    const QByteArray whole = QByteArray("\x00\x10", 2) + input.mid(2);
    const struct {
        const char* name;
        qint64 keep; // bytes left; -1: the file is removed
        bool fails;
    } cases[] = {
        {"emptied", 0, true},
        {"only the location bytes", 2, true},
        {"cut inside the window", 1000, true},
        {"removed", -1, false},
        {"grown", input.size() + 500, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(in(), input);
        writeFile(out(), oldOutput);
        prg::ConversionEvents hooks;
        hooks.converting = [&] {
            if (c.keep < 0)
                QFile::remove(in());
            else
                QFile::resize(in(), c.keep);
        };
        const slivra::ExtractRequest request{in(), out(), 0x0801, 0xffff, true, "1000"};
        const prg::Outcome<qint64> result = slivra::extractRange(request, hooks);
        if (c.fails) {
            ASSERT_FALSE(result.ok());
            EXPECT_EQ(result.failure().description,
                      QDir::toNativeSeparators(in()) +
                          QLatin1String(": The input file changed while it was read"));
            EXPECT_EQ(contents(out()), oldOutput);
        } else {
            ASSERT_TRUE(result.ok());
            EXPECT_EQ(*result, input.size() - 2);
            EXPECT_EQ(contents(out()).toHex(), whole.toHex());
        }
    }

    // Cut once both files are open, before the first block is read: the
    // bytes counted are missing, so nothing is written.
    const QByteArray large = prg(0x0000, 600000); // every byte is taken
    writeFile(in(), large);
    writeFile(out(), oldOutput);
    prg::ConversionEvents hooks;
    hooks.converting = [&] { QFile::resize(in(), 100); };
    const prg::Outcome<qint64> result =
        slivra::extractRange({in(), out(), 0x0000, 0xffff, true, QStringLiteral("0801")}, hooks);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(contents(out()), oldOutput);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("in.prg"), QStringLiteral("out.bin")}));
}

TEST(NewLocationBytes, ReadOneToFourHexDigitsAsANumber) {
    const struct {
        const char* text;
        int low; // -1: no address
        int high;
    } cases[] = {{"5800", 0x00, 0x58}, {"801", 0x01, 0x08},  {"5", 0x05, 0x00},
                 {"ffff", 0xff, 0xff}, {"FfeE", 0xee, 0xff}, {"0000", 0x00, 0x00},
                 {"", -1, 0},          {"zz", -1, 0},        {"10000", -1, 0},
                 {" 5", -1, 0},        {"5 ", -1, 0},        {"-1", -1, 0},
                 {"0x1", -1, 0},       {"$801", -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<slivra::LocationBytes> bytes =
            slivra::newLocationBytes(QString::fromLatin1(c.text));
        ASSERT_EQ(bytes.has_value(), c.low >= 0);
        if (!bytes)
            continue;
        EXPECT_EQ(bytes->low, c.low);
        EXPECT_EQ(bytes->high, c.high);
    }
}

} // namespace
