#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/core/prginput.h"
#include "testsupport/testfiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString crlf(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    return list.join(QLatin1String("\r\n"));
}

class Inspection : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) { return dir.write(bytes); }
    felgrove::test::ScratchFiles dir{QStringLiteral("f%1.prg")};
};

TEST_F(Inspection, InfoTextOfTypicalFiles) {
    struct Case {
        QByteArray bytes;
        QString text;
    };
    QByteArray pastFfff("\xf0\xff", 2);
    pastFfff.append(100, '\0');
    QByteArray bitmap("\x00\x60", 2);
    bitmap.append(8000, '\x55');
    const Case cases[] = {
        {QByteArray("\x01\x08", 2) + QByteArray(8, 'x'),
         crlf({"File size: 10 bytes", "Data: 8 ($8)", "Assumed load address: $0801",
               "Assumed memory location: $0801 - $809"})},
        {QByteArray("\x00\xc0", 2),
         crlf({"File size: 2 bytes", "Data: 0 ($0)", "Assumed load address: $C000",
               "Assumed memory location: $C000 - $C000"})},
        {QByteArray("\x00\xc0", 2) + QByteArray(1024, 'x'),
         crlf({"File size: 1026 bytes", "Data: 1024 ($400)", "Assumed load address: $C000",
               "Assumed memory location: $C000 - $C400"})},
        {pastFfff, crlf({"File size: 102 bytes", "Data: 100 ($64)", "Assumed load address: $FFF0",
                         "Assumed memory location: $FFF0 - $10054"})},
        {bitmap, crlf({"File size: 8002 bytes", "Data: 8000 ($1F40)", "Assumed load address: $6000",
                       "Assumed memory location: $6000 - $7F40"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(prg::AnalyseraPRG(write(c.bytes)), c.text);
}

TEST_F(Inspection, NotAnInspectablePrgShowsNA) {
    const QString na = QStringLiteral("N/A");
    EXPECT_EQ(prg::AnalyseraPRG(write(QByteArray())), na);
    EXPECT_EQ(prg::AnalyseraPRG(write(QByteArray(1, '\x01'))), na);
    EXPECT_EQ(prg::AnalyseraPRG(dir.filePath(QStringLiteral("missing.prg"))), na);
    EXPECT_EQ(prg::AnalyseraPRG(dir.filePath(QStringLiteral("no/such/folder/x.prg"))), na);
    EXPECT_EQ(prg::AnalyseraPRG(dir.path()), na);
    EXPECT_EQ(prg::AnalyseraPRG(QString()), na);
    EXPECT_EQ(prg::AnalyseraPRG(QString::fromLatin1("bad\0name", 8)), na);
}

TEST_F(Inspection, LeavesTheFileAsItWas) {
    const QByteArray bytes("\x01\x08\x60", 3);
    const QString path = write(bytes);
    const QDateTime before = QFileInfo(path).lastModified();
    prg::AnalyseraPRG(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), before);
    // Naming a file that is not there does not create it.
    const QString missing = dir.filePath(QStringLiteral("new.prg"));
    prg::AnalyseraPRG(missing);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(PrgHeader, SizesPastTwoGigabytesAreNotTruncated) {
    const prg::PrgHeader header{3221225472LL, 0x00, 0x00};
    EXPECT_TRUE(prg::prgInfoText(header).startsWith(QLatin1String("File size: 3221225472 bytes")));
}

// The offsets of the data bytes in an address window, inclusive at both
// ends; the byte at offset p lies at load address + p - 2.
TEST(DataSpan, InclusiveAtBothEnds) {
    const struct {
        int load;
        qint64 start;
        qint64 end;
        qint64 first;
        qint64 stop;
    } cases[] = {
        {0x5800, 0x5802, 0x5805, 4, 8},  // $5802..$5805
        {0x5800, 0x5000, 0x5801, 2, 4},  // a start before the data begins at it
        {0x5800, 0x5805, 0x5802, 7, 7},  // start after end: nothing
        {0x5800, 0x5800, 0x57ff, 2, 2},  // end before the load address: nothing
        {0xfff0, 0xfff0, 0xffff, 2, 18}, // data past $FFFF lies past any end
    };
    for (const auto& c : cases) {
        const prg::DataSpan span = prg::dataSpan(c.load, c.start, c.end);
        EXPECT_EQ(span.first, c.first) << c.load << " " << c.start;
        EXPECT_EQ(span.stop, c.stop) << c.load << " " << c.start;
    }
    // A PRG loading at $0000 is taken whole, whatever the window.
    EXPECT_EQ(prg::dataSpan(0, 0x1000, 0x1000).first, 2);
    EXPECT_EQ(prg::dataSpan(0, 0x1000, 0x1000).stop, prg::DataSpan{}.stop);
}

} // namespace
