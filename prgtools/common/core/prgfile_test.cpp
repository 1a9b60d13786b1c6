#include "prgtools/common/core/prgfile.h"
#include "testsupport/testfiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray prg(const char* location, int dataBytes) {
    return QByteArray(location, 2) + QByteArray(dataBytes, 'x');
}

TEST(Inspection, InfoTextOrNA) {
    felgrove::test::ScratchFiles dir{QStringLiteral("f%1.prg")};
    const struct {
        QString path;
        const char* text; // the four lines, "|" for CR LF
    } cases[] = {
        {dir.write(prg("\x01\x08", 8)), "File size: 10 bytes|Data: 8 ($8)|"
                                        "Assumed load address: $0801|"
                                        "Assumed memory location: $0801 - $809"},
        {dir.write(prg("\x00\xc0", 0)), "File size: 2 bytes|Data: 0 ($0)|"
                                        "Assumed load address: $C000|"
                                        "Assumed memory location: $C000 - $C000"},
        {dir.write(prg("\x00\xc0", 1024)), "File size: 1026 bytes|Data: 1024 ($400)|"
                                           "Assumed load address: $C000|"
                                           "Assumed memory location: $C000 - $C400"},
        {dir.write(prg("\xf0\xff", 100)), "File size: 102 bytes|Data: 100 ($64)|"
                                          "Assumed load address: $FFF0|"
                                          "Assumed memory location: $FFF0 - $10054"},
        {dir.write(QByteArray()), "N/A"},
        {dir.write(QByteArray(1, '\x01')), "N/A"},
        {dir.filePath(QStringLiteral("missing.prg")), "N/A"},
        {dir.filePath(QStringLiteral("no/such/folder/x.prg")), "N/A"},
        {dir.path(), "N/A"},
        {QString(), "N/A"},
        {QString::fromLatin1("bad\0name", 8), "N/A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prg::AnalyseraPRG(c.path),
                  QString::fromLatin1(c.text).replace(QLatin1Char('|'), QLatin1String("\r\n")))
            << c.path.toStdString();
}

TEST(Inspection, LeavesTheFileAsItWas) {
    felgrove::test::ScratchFiles dir{QStringLiteral("f%1.prg")};
    const QByteArray bytes("\x01\x08\x60", 3);
    const QString path = dir.write(bytes);
    const QDateTime before = QFileInfo(path).lastModified();
    prg::AnalyseraPRG(path);
    EXPECT_EQ(prg::test::contents(path), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), before);
    // Naming a file that is not there does not create it.
    const QString missing = dir.filePath(QStringLiteral("new.prg"));
    prg::AnalyseraPRG(missing);
    EXPECT_FALSE(QFile::exists(missing));
}

// The offsets of the data bytes in an address window, inclusive at both
// ends; the byte at offset p lies at load address + p - 2.
TEST(KollaLimit, GivesTheOffsetsOfTheWindow) {
    constexpr qint64 kAll = prg::DataSpan{}.stop;
    const struct {
        int load;
        std::optional<prg::AddressWindow> window;
        qint64 first;
        qint64 stop;
    } cases[] = {
        {0x5800, prg::AddressWindow{0x5802, 0x5805}, 4, 8},
        {0x5800, prg::AddressWindow{0x5000, 0x5801}, 2, 4},  // starts at the data
        {0x5800, prg::AddressWindow{0x5805, 0x5802}, 7, 7},  // start after end: nothing
        {0x5800, prg::AddressWindow{0x5800, 0x57ff}, 2, 2},  // end before the data
        {0xfff0, prg::AddressWindow{0xfff0, 0xffff}, 2, 18}, // past $FFFF: past any end
        {0x0000, prg::AddressWindow{0x1000, 0x1000}, 2, kAll},
        {0x5800, std::nullopt, 2, kAll},
    };
    for (const auto& c : cases) {
        const prg::DataSpan span = prg::KollaLimit(c.load, c.window);
        EXPECT_EQ(span.first, c.first) << c.load << " " << (c.window ? c.window->start : -1);
        EXPECT_EQ(span.stop, c.stop) << c.load << " " << (c.window ? c.window->start : -1);
    }
}

TEST(NewLocationBytes, ReadOneToFourHexDigitsAsANumber) {
    const struct {
        const char* text;
        int low; // -1: refused
        int high;
    } cases[] = {{"5800", 0x00, 0x58}, {"801", 0x01, 0x08},  {"5", 0x05, 0x00},
                 {"ffff", 0xff, 0xff}, {"FfeE", 0xee, 0xff}, {"0000", 0x00, 0x00},
                 {"", -1, 0},          {"zz", -1, 0},        {"10000", -1, 0},
                 {" 5", -1, 0},        {"5 ", -1, 0},        {"-1", -1, 0},
                 {"0x1", -1, 0},       {"$801", -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto bytes = prg::newLocationBytes(QString::fromLatin1(c.text), QStringLiteral("S"));
        ASSERT_EQ(bytes.ok(), c.low >= 0);
        if (!bytes) {
            EXPECT_EQ(bytes.failure().description, QLatin1String("Invalid new location address"));
            EXPECT_EQ(bytes.failure().source, QLatin1String("S"));
            continue;
        }
        EXPECT_EQ((*bytes).low, c.low);
        EXPECT_EQ((*bytes).high, c.high);
    }
}

} // namespace
