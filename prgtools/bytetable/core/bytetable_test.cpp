#include "prgtools/bytetable/core/bytetable.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

namespace {

using prg::AddressWindow;
using prg::test::contents;
using prg::test::writeFile;

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

const QByteArray kOldTable = "old table\r\n";

class ByteTable : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("game.prg"));
    QString output = dir.filePath(QStringLiteral("game.txt"));
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    struct Run {
        prg::Outcome<qint64> count;
        QStringList notices;
    };

    // Converts `prg` into a table that replaces an old one.
    Run convert(const QByteArray& prg, int perRow, std::optional<AddressWindow> limit = {}) {
        writeFile(input, prg);
        writeFile(output, kOldTable);
        QStringList notices;
        prg::ConversionEvents events;
        events.startRestricted = [&](const QString& load) { notices << load; };
        auto count = nembra::convertToByteTable({input, output, perRow, limit}, events);
        return {count, notices};
    }
};

const QByteArray kExample = bytes({0x00, 0xC0, 0xA9, 0x01, 0x8D, 0x20, 0xD0, 0x60});
const QByteArray kAt0000 = bytes({0x00, 0x00, 0x11, 0x22, 0x33});
// Sixteen bytes at $FFF8: the last eight would lie past $FFFF.
const QByteArray kTopOfMemory =
    bytes({0xF8, 0xFF, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
constexpr std::nullopt_t kAll = std::nullopt;

TEST_F(ByteTable, WritesTheTakenBytes) {
    const struct {
        QByteArray prg;
        int perRow;
        std::optional<AddressWindow> limit;
        QByteArray text;
        const char* notice;
    } rows[] = {
        {kExample, 4, kAll, "\t.byte $A9,$01,$8D,$20\r\n\t.byte $D0,$60\r\n", ""},
        {kExample, 3, kAll, "\t.byte $A9,$01,$8D\r\n\t.byte $20,$D0,$60\r\n", ""},
        {kExample, 4, AddressWindow{0xc001, 0xc003}, "\t.byte $01,$8D,$20\r\n", ""},
        {kExample, 4, AddressWindow{0xbf00, 0xc003}, "\t.byte $A9,$01,$8D,$20\r\n", "C000"},
        {kExample, 4, AddressWindow{0x1000, 0x2000}, "", "C000"},
        {kAt0000, 8, AddressWindow{0x1000, 0x1001}, "\t.byte $11,$22,$33\r\n", ""},
        {kTopOfMemory, 32, AddressWindow{0x0000, 0xffff},
         "\t.byte $00,$01,$02,$03,$04,$05,$06,$07\r\n", "FFF8"},
        {QByteArray(), 8, kAll, "", ""},
        {bytes({0x01}), 8, AddressWindow{0, 1}, "", ""},
        {bytes({0x00, 0xC0}), 8, AddressWindow{0xbf00, 0xc000}, "", ""},
        {bytes({0x01, 0x08, 0x0A, 0xFF}), 1, kAll, "\t.byte $0A\r\n\t.byte $FF\r\n", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        const Run run = convert(row.prg, row.perRow, row.limit);
        ASSERT_TRUE(run.count.ok()) << run.count.failure().description.toStdString();
        EXPECT_EQ(*run.count, row.text.count('$'));
        EXPECT_EQ(contents(output), row.text);
        EXPECT_EQ(run.notices.join(QString()), QLatin1String(row.notice));
    }
}

// Sizes around the block and buffer boundaries, against the oracle.
TEST_F(ByteTable, MatchesTheByteByByteTable) {
    for (int size : {3, 1026, 262144, 262146, 300001}) {
        for (int perRow : {1, 7, 32}) {
            SCOPED_TRACE(testing::Message() << size << " " << perRow);
            QByteArray prg(size, Qt::Uninitialized);
            QRandomGenerator random(quint32(size * 33 + perRow));
            for (char& c : prg)
                c = char(random.bounded(256));
            const Run run = convert(prg, perRow);
            ASSERT_TRUE(run.count.ok());
            EXPECT_EQ(*run.count, size - 2);
            EXPECT_TRUE(contents(output) == expectedTable(prg.mid(2), perRow));
        }
    }
}

// A refusal or a failure leaves an existing table as it was and no partial
// file beside it. Rows longer than a line can hold, and rows that never end,
// are refused before anything is opened. The disk may fill up before the
// first line, inside a line or at the edge of the output buffer.
TEST_F(ByteTable, FailuresLoseNothing) {
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_TRUE(prg::test::makeFifo(fifo));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.prg")));
    const QString folder = dir.filePath(QStringLiteral("folder.prg"));
    const QString vanished = dir.filePath(QStringLiteral("vanished.prg"));
    const QString values = QStringLiteral("Value per row must be between 1-32");
    const QString full = output + QStringLiteral(": File too large");
    constexpr prg::test::FileBytes kNoLimit = prg::test::kUnlimited;
    const struct {
        QString input;
        QString output;
        int perRow;
        prg::test::FileBytes sizeLimit;
        QString description; // part of the failure's description
    } rows[] = {
        {vanished, output, 8, kNoLimit, vanished},
        {folder, output, 8, kNoLimit, folder},
        {fifo, output, 8, kNoLimit, fifo},
        {input, fifo, 8, kNoLimit, fifo},
        {input, dir.path() + QStringLiteral("/./game.prg"), 8, kNoLimit,
         QStringLiteral("must not be")},
        {input, output, 33, kNoLimit, values},
        {input, output, 1000, kNoLimit, values},
        {input, output, 0, kNoLimit, values},
        {input, output, -1, kNoLimit, values},
        {input, output, 32, 0, full},
        {input, output, 32, 5, full},
        {input, output, 32, 1000, full},
        {input, output, 32, 262144, full},
        {input, output, 32, 1048576, full},
    };
    QByteArray prg(300002, '\x5a');
    prg[0] = 0;
    prg[1] = 0x10;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.description.toStdString() << " " << row.perRow << " " << row.sizeLimit);
        writeFile(input, prg);
        writeFile(output, kOldTable);
        std::optional<prg::Outcome<qint64>> count;
        {
            const prg::test::FileSizeLimit limit(row.sizeLimit);
            count = nembra::convertToByteTable({row.input, row.output, row.perRow, kAll});
        }
        ASSERT_FALSE(count->ok());
        EXPECT_NE(count->failure().number, 0);
        EXPECT_EQ(count->failure().source, QLatin1String("Nembra"));
        EXPECT_TRUE(count->failure().description.contains(row.description))
            << count->failure().description.toStdString();
        EXPECT_EQ(contents(output), kOldTable);
        EXPECT_TRUE(contents(input) == prg);
        EXPECT_EQ(files(), (QStringList{QStringLiteral("game.prg"), QStringLiteral("game.txt")}));
    }
}

} // namespace
