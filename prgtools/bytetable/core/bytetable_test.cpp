#include "prgtools/bytetable/core/bytetable.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using prg::AddressWindow;
using namespace prg::test;

// A plain oracle: the table built value by value from text.
QByteArray expectedTable(const QByteArray& data, int perRow) {
    QByteArray text;
    for (qsizetype i = 0; i < data.size(); ++i)
        text += (i % perRow ? "," : "\t.byte ") + ("$" + data.mid(i, 1).toHex().toUpper()) +
                (i % perRow == perRow - 1 || i == data.size() - 1 ? "\r\n" : "");
    return text;
}

const QByteArray kOldTable = "old table\r\n";

class ByteTable : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("game.prg"));
    const QString output = dir.filePath(QStringLiteral("game.txt"));
    QStringList notices;

    // Converts `prg` into a table that replaces an old one.
    prg::Outcome<qint64> convert(const QByteArray& prg, int perRow,
                                 std::optional<AddressWindow> limit = {}) {
        writeFile(input, prg);
        writeFile(output, kOldTable);
        prg::ConversionEvents events;
        events.startRestricted = [&](const QString& load) { notices << load; };
        return nembra::convertToByteTable({input, output, perRow, limit}, events);
    }
};

// The limit is the conversion's window; a start below the load address is
// moved up to it, and the person told.
TEST_F(ByteTable, TakesTheLimitAndTellsOfAMovedStart) {
    const auto count = convert(QByteArray::fromHex("00c0a9018d20d060"), 3, {{0xbf00, 0xc003}});
    EXPECT_EQ(count.ok() ? *count : -1, 4);
    EXPECT_EQ(contents(output), "\t.byte $A9,$01,$8D\r\n\t.byte $20\r\n");
    EXPECT_EQ(notices, QStringList{QStringLiteral("C000")});
}

// Sizes around the block and buffer boundaries, against the oracle.
TEST_F(ByteTable, MatchesTheByteByByteTable) {
    for (int size : {2, 3, 1026, 262144, 262146, 300001}) {
        for (int perRow : {1, 7, 32}) {
            SCOPED_TRACE(testing::Message() << size << " " << perRow);
            QByteArray prg(size, Qt::Uninitialized);
            QRandomGenerator random(quint32(size * 33 + perRow));
            for (char& c : prg)
                c = char(random.bounded(256));
            const auto count = convert(prg, perRow);
            ASSERT_EQ(count.ok() ? *count : -1, size - 2);
            EXPECT_TRUE(contents(output) == expectedTable(prg.mid(2), perRow));
        }
    }
}

// A refusal or a failure, one of each kind, leaves an existing table as it
// was and no partial file beside it.
TEST_F(ByteTable, FailuresLoseNothing) {
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(makeFifo(fifo), kPosix);
    const char* values = "Value per row must be between 1-32";
    const quint64 U = kUnlimited;
    const struct {
        QString input, output;
        int perRow;
        quint64 disk;        // bytes a file may hold
        int sync;            // the sync that fails
        bool locked;         // the old table is read-only
        qint64 cutTo;        // the input's size once both files are open; -1: left alone
        const char* failure; // part of the description
    } rows[] = {
        {fifo, output, 8, U, 0, false, -1, "pipe: not an ordinary file"},
        {input, dir.path() + QStringLiteral("/./game.prg"), 8, U, 0, false, -1, "must not be"},
        {input, output, 33, U, 0, false, -1, values},
        {input, output, 0, U, 0, false, -1, values},
        {input, output, 32, 5, 0, false, -1, "game.txt: File too large"},
        {input, output, 32, U, 1, false, -1, "game.txt: Input/output error"},
        {input, output, 32, U, 0, true, -1, "game.txt: Existing file is not writable"},
        {input, output, 32, U, 0, false, 1000, "game.prg: The input file changed while it"},
    };
    const QByteArray prg = QByteArray("\x00\x10", 2) + QByteArray(300000, '\x5a');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.failure);
        if ((!kPosix && (row.input == fifo || row.disk != U)) ||
            (row.locked && felgrove::platform::testing::ownsEveryFile()))
            continue;
        writeFile(input, prg);
        writeFile(output, kOldTable);
        makeWritable(output, !row.locked);
        prg::ConversionEvents events;
        events.converting = [&] { QFile::resize(input, row.cutTo < 0 ? prg.size() : row.cutTo); };
        prg::Outcome<qint64> count = prg::Failure{};
        {
            const FileSizeLimit limit(row.disk);
            const FailingDisk disk(row.sync, 0);
            count = nembra::convertToByteTable({row.input, row.output, row.perRow, {}}, events);
        }
        makeWritable(output, true);
        ASSERT_FALSE(count.ok());
        EXPECT_NE(count.failure().number, 0);
        EXPECT_EQ(count.failure().source, QLatin1String("Nembra"));
        EXPECT_TRUE(count.failure().description.contains(QLatin1String(row.failure)));
        EXPECT_EQ(contents(output), kOldTable);
        EXPECT_TRUE(row.cutTo >= 0 || contents(input) == prg);
        EXPECT_EQ(files(dir.path()).join(QLatin1Char(' ')),
                  QLatin1String(kPosix ? "game.prg game.txt pipe" : "game.prg game.txt"));
    }
}

} // namespace
