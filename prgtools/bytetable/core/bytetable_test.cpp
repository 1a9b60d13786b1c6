#include "prgtools/bytetable/core/bytetable.h"
#include "testsupport/testfiles.h"

#include "testsupport/testfaults.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

namespace {

using prg::test::contents;
using prg::test::writeFile;

using nembra::AddressWindow;
using nembra::ConversionRequest;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

// A plain oracle: the table built value by value from text.
QByteArray expectedTable(const QByteArray& data, int perRow) {
    QByteArray text;
    for (qsizetype i = 0; i < data.size(); i += perRow) {
        QByteArrayList values;
        for (qsizetype j = i; j < std::min(data.size(), i + perRow); ++j)
            values << "$" +
                          QByteArray::number(quint8(data[j]), 16).toUpper().rightJustified(2, '0');
        text += "\t.byte " + values.join(',') + "\r\n";
    }
    return text;
}

class ByteTable : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("game.prg"));
    QString output = dir.filePath(QStringLiteral("game.txt"));

    struct Run {
        prg::Outcome<qint64> count;
        QStringList notices;
    };

    Run convert(const QByteArray& prg, int perRow, std::optional<AddressWindow> limit = {}) {
        writeFile(input, prg);
        QStringList notices;
        prg::ConversionEvents events;
        events.startRestricted = [&](const QString& load) { notices << load; };
        auto count = nembra::convertToByteTable({input, output, perRow, limit}, events);
        return {count, notices};
    }
};

const QByteArray kExample = bytes({0x00, 0xC0, 0xA9, 0x01, 0x8D, 0x20, 0xD0, 0x60});

TEST_F(ByteTable, SixBytesAtC000FourPerRowByteForByte) {
    const Run run = convert(kExample, 4);
    ASSERT_TRUE(run.count.ok());
    EXPECT_EQ(*run.count, 6);
    EXPECT_EQ(contents(output).toHex(' '),
              "09 2e 62 79 74 65 20 24 41 39 2c 24 30 31 2c 24 38 44 2c 24 32 30 0d 0a "
              "09 2e 62 79 74 65 20 24 44 30 2c 24 36 30 0d 0a");
    EXPECT_TRUE(run.notices.isEmpty());
}

struct LimitRow {
    const char* name;
    QByteArray prg;
    int perRow;
    std::optional<AddressWindow> limit;
    QByteArray text;
    qint64 count;
    QStringList notices;
};

void PrintTo(const LimitRow& row, std::ostream* os) {
    *os << row.name;
}

class ByteTableRows : public ByteTable, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(ByteTableRows, WritesTheTakenBytes) {
    const LimitRow& row = GetParam();
    const Run run = convert(row.prg, row.perRow, row.limit);
    ASSERT_TRUE(run.count.ok()) << run.count.failure().description.toStdString();
    EXPECT_EQ(*run.count, row.count);
    EXPECT_EQ(contents(output), row.text);
    EXPECT_EQ(run.notices, row.notices);
}

const QByteArray kAt0000 = bytes({0x00, 0x00, 0x11, 0x22, 0x33});
// Sixteen bytes at $FFF8: the last eight would lie past $FFFF.
const QByteArray kTopOfMemory =
    bytes({0xF8, 0xFF, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});

INSTANTIATE_TEST_SUITE_P(
    Limits, ByteTableRows,
    ::testing::Values(
        LimitRow{"InsideTheFile",
                 kExample,
                 4,
                 AddressWindow{0xc001, 0xc003},
                 "\t.byte $01,$8D,$20\r\n",
                 3,
                 {}},
        LimitRow{"StartBelowLoadAddress",
                 kExample,
                 4,
                 AddressWindow{0xbf00, 0xc003},
                 "\t.byte $A9,$01,$8D,$20\r\n",
                 4,
                 {"C000"}},
        LimitRow{"StartAtLoadAddress",
                 kExample,
                 8,
                 AddressWindow{0xc000, 0xc000},
                 "\t.byte $A9\r\n",
                 1,
                 {}},
        LimitRow{"StartAboveEnd", kExample, 4, AddressWindow{0xc003, 0xc001}, "", 0, {}},
        LimitRow{"EndPastTheFile",
                 kExample,
                 4,
                 AddressWindow{0xc002, 0xffff},
                 "\t.byte $8D,$20,$D0,$60\r\n",
                 4,
                 {}},
        LimitRow{"WindowBelowTheFile", kExample, 4, AddressWindow{0x1000, 0x2000}, "", 0, {"C000"}},
        LimitRow{"LoadAddressZeroIgnoresTheWindow",
                 kAt0000,
                 8,
                 AddressWindow{0x1000, 0x1001},
                 "\t.byte $11,$22,$33\r\n",
                 3,
                 {}},
        LimitRow{"FfffIsTheTopAddress",
                 kTopOfMemory,
                 4,
                 AddressWindow{0xfffe, 0xffff},
                 "\t.byte $06,$07\r\n",
                 2,
                 {}},
        LimitRow{"NothingPastFfff",
                 kTopOfMemory,
                 32,
                 AddressWindow{0x0000, 0xffff},
                 "\t.byte $00,$01,$02,$03,$04,$05,$06,$07\r\n",
                 8,
                 {"FFF8"}}));

INSTANTIATE_TEST_SUITE_P(
    Shapes, ByteTableRows,
    ::testing::Values(
        LimitRow{"EmptyFile", QByteArray(), 8, std::nullopt, "", 0, {}},
        LimitRow{"OneByte", bytes({0x01}), 8, AddressWindow{0, 1}, "", 0, {}},
        LimitRow{
            "LocationBytesOnly", bytes({0x00, 0xC0}), 8, AddressWindow{0xbf00, 0xc000}, "", 0, {}},
        LimitRow{"OnePerRow",
                 bytes({0x01, 0x08, 0x0A, 0xFF}),
                 1,
                 std::nullopt,
                 "\t.byte $0A\r\n\t.byte $FF\r\n",
                 2,
                 {}},
        LimitRow{"FullLastLineNoEmptyLine",
                 kExample,
                 3,
                 std::nullopt,
                 "\t.byte $A9,$01,$8D\r\n\t.byte $20,$D0,$60\r\n",
                 6,
                 {}}));

// Sizes around the block and buffer boundaries, against the oracle.
class ByteTableSizes : public ByteTable,
                       public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(ByteTableSizes, MatchesTheByteByByteTable) {
    const auto [size, perRow] = GetParam();
    QByteArray prg(size, Qt::Uninitialized);
    QRandomGenerator random(quint32(size * 33 + perRow));
    for (char& c : prg)
        c = char(random.bounded(256));
    const Run run = convert(prg, perRow);
    ASSERT_TRUE(run.count.ok());
    const QByteArray data = prg.size() > 2 ? prg.mid(2) : QByteArray();
    EXPECT_EQ(*run.count, data.size());
    EXPECT_TRUE(contents(output) == expectedTable(data, perRow));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ByteTableSizes,
                         ::testing::Combine(::testing::Values(3, 1026, 262144, 262146, 300001),
                                            ::testing::Values(1, 7, 32)));

TEST_F(ByteTable, ExistingOutputIsReplaced) {
    writeFile(output, QByteArray(5000, 'x'));
    ASSERT_TRUE(convert(kExample, 8).count.ok());
    EXPECT_EQ(contents(output), "\t.byte $A9,$01,$8D,$20,$D0,$60\r\n");
}

// The output must never be the input: writing it would lose the PRG.
TEST_F(ByteTable, OutputNamingTheInputIsRefused) {
    writeFile(input, kExample);
    const QString linked = dir.filePath(QStringLiteral("link.txt"));
    const QString hard = dir.filePath(QStringLiteral("hard.txt"));
    ASSERT_TRUE(prg::test::makeHardLink(input, hard));
    QStringList spellings{input, dir.path() + QStringLiteral("/./game.prg"), hard};
#ifndef Q_OS_WIN // where QFile::link makes a shortcut file, not a link
    ASSERT_TRUE(QFile::link(input, linked));
    spellings << linked;
#endif
    for (const QString& same : spellings) {
        const auto count = nembra::convertToByteTable({input, same, 8, std::nullopt});
        ASSERT_FALSE(count.ok()) << same.toStdString();
        EXPECT_EQ(count.failure().description,
                  QLatin1String("Output file must not be the input file"));
        EXPECT_EQ(contents(input), kExample);
    }
}

// A failure leaves an existing output as it was and no partial file beside it.
TEST_F(ByteTable, FailuresLoseNothing) {
    const QByteArray old = "old table\r\n";
    writeFile(output, old);
    const QString folderInput = dir.filePath(QStringLiteral("folder.prg"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.prg")));
    const ConversionRequest failing[] = {
        {dir.filePath(QStringLiteral("vanished.prg")), output, 8, std::nullopt},
        {folderInput, output, 8, std::nullopt}, // a folder, not a file
    };
    for (const ConversionRequest& request : failing) {
        const auto count = nembra::convertToByteTable(request);
        ASSERT_FALSE(count.ok()) << request.input.toStdString();
        EXPECT_NE(count.failure().number, 0);
        EXPECT_EQ(count.failure().source, QLatin1String("Nembra"));
        EXPECT_EQ(contents(output), old);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("game.txt")});
}

TEST_F(ByteTable, OutputThatCannotBeCreatedIsReported) {
    writeFile(input, kExample);
    const QString outputs[] = {dir.filePath(QStringLiteral("missing/game.txt")), dir.path()};
    for (const QString& where : outputs) {
        const auto count = nembra::convertToByteTable({input, where, 8, std::nullopt});
        ASSERT_FALSE(count.ok()) << where.toStdString();
        EXPECT_TRUE(count.failure().description.contains(QDir::toNativeSeparators(where)));
    }
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

// The disk fills up during the conversion: before the first line, inside a
// line, at the edge of the output buffer. The old table stays whole.
TEST_F(ByteTable, AWriteFailingMidwayLosesNothing) {
    QByteArray prg(300002, '\x5a');
    prg[0] = 0;
    prg[1] = 0x10;
    const QByteArray old = "old table\r\n";
    if (!prg::test::kPosix)
        GTEST_SKIP() << "no file-size limit here to fill the disk with";
    writeFile(input, prg);
    for (prg::test::FileBytes limit :
         {prg::test::FileBytes(0), prg::test::FileBytes(5), prg::test::FileBytes(1000),
          prg::test::FileBytes(262144), prg::test::FileBytes(1048576)}) {
        SCOPED_TRACE(limit);
        writeFile(output, old);
        std::optional<prg::Outcome<qint64>> count;
        {
            const prg::test::FileSizeLimit full(limit);
            count = nembra::convertToByteTable({input, output, 32, std::nullopt});
        }
        ASSERT_FALSE(count->ok());
        EXPECT_EQ(count->failure().number, EFBIG);
        EXPECT_EQ(count->failure().source, QLatin1String("Nembra"));
        EXPECT_TRUE(count->failure().description.contains(output));
        EXPECT_EQ(contents(output), old);
        EXPECT_EQ(contents(input), prg);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("game.prg"), QStringLiteral("game.txt")}));
    }
}

// The input changes once the conversion has opened it: a file cut short is
// a failure that keeps the old table, bytes added behind the end found at
// the start are not read, and a removed file is still read whole.
TEST_F(ByteTable, AnInputThatChangesWhileReadIsNeverCutShort) {
    const QByteArray prg = kExample + QByteArray(3000, '\x01');
    const QByteArray old = "old table\r\n";
    const struct {
        const char* name;
        qint64 keep; // bytes left; -1: the file is removed; above the size: grown
    } cases[] = {{"emptied", 0},  {"location bytes only", 2}, {"one data byte", 3}, {"cut", 1500},
                 {"removed", -1}, {"grown", prg.size() + 500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(input, prg);
        writeFile(output, old);
        prg::ConversionEvents events;
        events.converting = [&] {
            if (c.keep < 0)
                QFile::remove(input);
            else
                QFile::resize(input, c.keep);
        };
        const auto count = nembra::convertToByteTable({input, output, 7, std::nullopt}, events);
        if (c.keep >= 0 && c.keep < prg.size()) {
            ASSERT_FALSE(count.ok());
            EXPECT_EQ(count.failure().description,
                      QDir::toNativeSeparators(input) +
                          QLatin1String(": The input file changed while it was read"));
            EXPECT_EQ(contents(output), old);
        } else {
            ASSERT_TRUE(count.ok());
            EXPECT_EQ(*count, prg.size() - 2);
            EXPECT_TRUE(contents(output) == expectedTable(prg.mid(2), 7));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  c.keep < 0 ? 1 : 2);
    }
}

// Only an ordinary file is read or replaced: a FIFO would block the reading
// for ever, and a FIFO or device named as the output would be replaced by a
// file.
TEST_F(ByteTable, SpecialFilesAreRefused) {
    writeFile(input, kExample);
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    if (!prg::test::kPosix)
        GTEST_SKIP() << "no FIFOs here";
    ASSERT_TRUE(prg::test::makeFifo(fifo));
    const ConversionRequest requests[] = {{fifo, output, 8, std::nullopt},
                                          {input, fifo, 8, std::nullopt}};
    for (const ConversionRequest& request : requests) {
        const auto count = nembra::convertToByteTable(request);
        ASSERT_FALSE(count.ok());
        EXPECT_NE(count.failure().number, 0);
        EXPECT_TRUE(count.failure().description.contains(fifo))
            << count.failure().description.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_FALSE(QFile::exists(output));
}

} // namespace
