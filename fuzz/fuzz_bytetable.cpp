// The byte-table conversion on an arbitrary PRG with arbitrary values-per-row
// and limit texts. The input lines are: values per row, "1" to check the
// limit, the limit start, the limit end, the length to stretch the file to
// (or any other text); the rest is the PRG file. Whatever
// the texts, the input checks decide first; the table written must be what
// a plain formatter gives, value by value.
#include "fuzz/fields.h"
#include "prgtools/bytetable/core/bytetable.h"
#include "prgtools/bytetable/core/inputchecks.h"
#include "prgtools/common/core/hex.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <variant>

namespace {

// The table written the plain way, byte by byte: the data bytes the window lets
// through, `perRow` to a line, each line a tab, ".byte ", the values as "$"
// and two upper-case digits joined by ",", and CR LF.
QByteArray referenceTable(const QByteArray& file, int perRow,
                          const std::optional<prg::AddressWindow>& limit, qint64& count,
                          bool& restricted) {
    QByteArray text;
    count = 0;
    restricted = false;
    if (file.size() < 3)
        return text;
    const int load = quint8(file[0]) | (quint8(file[1]) << 8);
    qint64 start = limit ? limit->start : 0;
    if (limit && start < load) {
        start = load;
        restricted = true;
    }
    for (qsizetype p = 2; p < file.size(); ++p) {
        const qint64 address = qint64(load) + p - 2;
        if (limit && load != 0 && address > limit->end)
            break;
        if (limit && load != 0 && address < start)
            continue;
        text += count % perRow == 0 ? (count > 0 ? "\r\n\t.byte " : "\t.byte ") : ",";
        const quint8 byte = quint8(file[p]);
        text += '$';
        text += "0123456789ABCDEF"[byte >> 4];
        text += "0123456789ABCDEF"[byte & 15];
        ++count;
    }
    if (count > 0)
        text += "\r\n";
    return text;
}

// The request the window would make, or, when the texts fail a check, one
// built from them anyway so that every input reaches the conversion: values
// per row as the text gives them when it is a whole number, whatever its
// size or sign, and any 16-bit number otherwise.
nembra::ConversionRequest requestFor(const nembra::ConversionFields& texts) {
    const auto checked = nembra::checkInputs(texts);
    if (const auto* request = std::get_if<nembra::ConversionRequest>(&checked)) {
        fuzz::expect(request->valuesPerRow >= 1 && request->valuesPerRow <= 32,
                     "values per row outside 1-32 passed the checks");
        fuzz::expect(!texts.limit || (prg::Kontrollera4HEX(texts.limitStart) &&
                                      prg::Kontrollera4HEX(texts.limitEnd)),
                     "an invalid limit passed the checks");
        return *request;
    }
    const nembra::InputProblem& failure = std::get<nembra::InputProblem>(checked);
    fuzz::expect(!failure.message.isEmpty(), "a check without a message");
    bool whole = false;
    const int values = texts.valuesPerRow.toInt(&whole);
    nembra::ConversionRequest request{texts.input, texts.output,
                                      whole ? values : qint16(fuzz::anyAddress(texts.valuesPerRow)),
                                      std::nullopt};
    if (texts.limit)
        request.limit = prg::AddressWindow{fuzz::anyAddress(texts.limitStart),
                                           fuzz::anyAddress(texts.limitEnd)};
    return request;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("in.prg"));
    const QString output = folder.filePath(QStringLiteral("out.txt"));
    fuzz::Fields fields = fuzz::splitFields(data, size, 5);
    fields.file = fuzz::stretched(fields.file, fields.texts[4], 100000);
    const QStringList& t = fields.texts;
    fuzz::writeFile(input, fields.file);
    QFile::remove(output);

    const nembra::ConversionFields texts{input, output, t[0], t[1] == QLatin1String("1"),
                                         t[2],  t[3]};
    // Arbitrary texts as paths too: looked at, never opened or created.
    nembra::checkInputs({t[2], t[3], t[0], true, t[1], t[2]});
    const nembra::ConversionRequest request = requestFor(texts);

    bool restrictedNotice = false;
    prg::ConversionEvents events;
    events.startRestricted = [&](const QString&) { restrictedNotice = true; };
    const prg::Outcome<qint64> converted = nembra::convertToByteTable(request, events);
    if (request.valuesPerRow < 1 || request.valuesPerRow > 32) {
        fuzz::expect(!converted.ok() &&
                         converted.failure().description ==
                             QLatin1String("Value per row must be between 1-32") &&
                         !QFile::exists(output),
                     "values per row outside 1-32 were not refused");
        return 0;
    }
    fuzz::expect(converted.ok(), "the conversion failed");

    qint64 count = 0;
    bool restricted = false;
    const QByteArray expected =
        referenceTable(fields.file, request.valuesPerRow, request.limit, count, restricted);
    fuzz::expect(*converted == count, "count differs from the reference");
    fuzz::expect(fuzz::contents(output) == expected, "table differs from the reference");
    fuzz::expect(restrictedNotice == restricted, "start-limit notice differs");
    fuzz::expect(fuzz::contents(input) == fields.file, "the input was changed");
    return 0;
}
