#include "prgtools/common/core/prgfile.h"
#include "testsupport/testfiles.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

QByteArray prg(const char* location, int dataBytes) {
    return QByteArray(location, 2) + QByteArray(dataBytes, 'x');
}

// The four lines of the info box, or "N/A"; the file is only read, and a
// missing one is not made.
TEST(AnalyseraPRG, InfoTextOrNA) {
    felgrove::test::ScratchFiles dir{QStringLiteral("f%1.prg")};
    const struct {
        QString path;
        const char* text; // size, data, load address, end; nullptr: "N/A"
    } rows[] = {
        {dir.write(prg("\x01\x08", 8)), "10|8 ($8)|0801|$0801 - $809"},
        {dir.write(prg("\x00\xc0", 0)), "2|0 ($0)|C000|$C000 - $C000"},
        {dir.write(prg("\x00\xc0", 1024)), "1026|1024 ($400)|C000|$C000 - $C400"},
        {dir.write(prg("\xf0\xff", 100)), "102|100 ($64)|FFF0|$FFF0 - $10054"},
        {dir.write(QByteArray()), nullptr},
        {dir.write(QByteArray(1, '\x01')), nullptr},
        {dir.filePath(QStringLiteral("missing.prg")), nullptr},
        {dir.filePath(QStringLiteral("no/such/folder/x.prg")), nullptr},
        {dir.path(), nullptr},
        {QString(), nullptr},
        {QString::fromLatin1("bad\0name", 8), nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path.toStdString());
        const QByteArray before = prg::test::contents(r.path);
        const QStringList f = QString::fromLatin1(r.text).split(QLatin1Char('|'));
        EXPECT_EQ(prg::AnalyseraPRG(r.path),
                  r.text ? QStringLiteral("File size: %1 bytes\r\nData: %2\r\nAssumed load "
                                          "address: $%3\r\nAssumed memory location: %4")
                               .arg(f[0], f[1], f[2], f[3])
                         : QStringLiteral("N/A"));
        EXPECT_EQ(prg::test::contents(r.path), before);
    }
}

// The offsets of the data bytes in an address window, inclusive at both
// ends; the byte at offset p lies at load address + p - 2.
TEST(KollaLimit, GivesTheOffsetsOfTheWindow) {
    constexpr qint64 kAll = prg::DataSpan{}.stop;
    const struct {
        int load;
        std::optional<prg::AddressWindow> window;
        qint64 first, stop;
    } rows[] = {
        {0x5800, prg::AddressWindow{0x5802, 0x5805}, 4, 8},
        {0x5800, prg::AddressWindow{0x5000, 0x5801}, 2, 4},  // starts at the data
        {0x5800, prg::AddressWindow{0x5805, 0x5802}, 7, 7},  // start after end: nothing
        {0x5800, prg::AddressWindow{0x5800, 0x57ff}, 2, 2},  // end before the data
        {0xfff0, prg::AddressWindow{0xfff0, 0xffff}, 2, 18}, // past $FFFF: past any end
        {0x0000, prg::AddressWindow{0x1000, 0x1000}, 2, kAll},
        {0x5800, std::nullopt, 2, kAll},
    };
    for (const auto& r : rows) {
        const prg::DataSpan span = prg::KollaLimit(r.load, r.window);
        EXPECT_EQ(std::pair(span.first, span.stop), std::pair(r.first, r.stop)) << r.first;
    }
}

TEST(NewLocationBytes, ReadOneToFourHexDigitsAsANumber) {
    const std::pair<const char*, int> rows[] = {
        // -1: refused
        {"5800", 0x5800}, {"801", 0x0801}, {"5", 0x0005}, {"ffff", 0xffff}, {"FfeE", 0xffee},
        {"0000", 0x0000}, {"", -1},        {"zz", -1},    {"10000", -1},    {" 5", -1},
        {"5 ", -1},       {"-1", -1},      {"0x1", -1},   {"$801", -1}};
    for (const auto& [text, address] : rows) {
        const auto bytes = prg::newLocationBytes(QString::fromLatin1(text), QStringLiteral("S"));
        EXPECT_EQ(bytes ? (*bytes).low | (*bytes).high << 8 : -1, address) << text;
        if (!bytes) {
            EXPECT_EQ(bytes.failure().source + bytes.failure().description,
                      QLatin1String("SInvalid new location address"));
        }
    }
}

} // namespace
