// The range extraction on an arbitrary PRG with arbitrary range, location
// and new-location texts. The input lines are: the start, the end, the new
// location, "1" to include the location bytes, the length to stretch the
// file to (or any other text); the rest is the PRG file.
// The output must be exactly what a plain byte-by-byte copy gives, and the
// input checks must hold for any texts.
#include "fuzz/fields.h"
#include "prgtools/common/core/hex.h"
#include "prgtools/common/core/prgfile.h"
#include "prgtools/extractor/core/extraction.h"
#include "prgtools/extractor/core/inputchecks.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// A hexadecimal text of any case, the empty text 0; nothing when a
// character is not a digit.
std::optional<int> plainHex(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (c.unicode() > 0x7f || digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

struct Reference {
    bool refused = false; // a new location that gives no address
    QByteArray bytes;
    qint64 count = 0;
    QString restrictedTo;
};

// The extraction as a person would describe it: each data byte in turn,
// taken when its address lies in the window, reading stopped past the end.
Reference reference(const QByteArray& file, int start, int end, bool location,
                    const QString& newLocation) {
    Reference r;
    const std::optional<int> address =
        newLocation.size() <= 4 && !newLocation.isEmpty() ? plainHex(newLocation) : std::nullopt;
    r.refused = location && !address;
    if (r.refused || file.size() < 3)
        return r;
    const int load = quint8(file[0]) | (quint8(file[1]) << 8);
    if (start < load) {
        r.restrictedTo = prg::loadAddressText(quint8(file[0]), quint8(file[1]));
        start = load;
    }
    if (location) {
        r.bytes.append(char(address.value_or(0) & 0xff));
        r.bytes.append(char(address.value_or(0) >> 8));
    }
    for (qsizetype p = 2; p < file.size(); ++p) {
        const qint64 address = qint64(load) + p - 2;
        if (load != 0 && address > end)
            break;
        if (load == 0 || address >= start) {
            r.bytes.append(file[p]);
            ++r.count;
        }
    }
    return r;
}

// The window's checks on the texts as they stand, and as paths too.
void checkTexts(const QString& input, const QString& output, const QStringList& texts) {
    const auto checked = slivra::checkInputs({input, output, texts[0], texts[1]});
    const auto* problem = std::get_if<slivra::InputProblem>(&checked);
    const bool valid = prg::Kontrollera4HEX(texts[0]) && prg::Kontrollera4HEX(texts[1]);
    fuzz::expect((problem != nullptr) != valid, "range checks disagree with Kontrollera4HEX");
    if (problem)
        fuzz::expect(!problem->message.isEmpty(), "a check without a message");
    // Arbitrary texts as paths: only looked at, never opened or created.
    slivra::checkInputs({texts[2], texts[0], texts[1], texts[3]});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("in.prg"));
    const QString output = folder.filePath(QStringLiteral("out.bin"));
    fuzz::Fields fields = fuzz::splitFields(data, size, 5);
    fields.file = fuzz::stretched(fields.file, fields.texts[4], 700000);
    const QStringList& texts = fields.texts;
    fuzz::writeFile(input, fields.file);
    QFile::remove(output);
    checkTexts(input, output, texts);

    slivra::ExtractRequest request;
    request.input = input;
    request.output = output;
    request.window = {prg::fourDigitAddress(texts[0]).value_or(fuzz::anyAddress(texts[0])),
                      prg::fourDigitAddress(texts[1]).value_or(fuzz::anyAddress(texts[1]))};
    request.includeLocation = texts[3] == QLatin1String("1");
    request.newLocation = texts[2];

    QStringList restrictions;
    prg::ConversionEvents hooks;
    hooks.startRestricted = [&](const QString& load) { restrictions << load; };
    const prg::Outcome<qint64> written = slivra::extractRange(request, hooks);
    const Reference expected = reference(fields.file, request.window.start, request.window.end,
                                         request.includeLocation, request.newLocation);
    if (expected.refused) {
        fuzz::expect(!written.ok() && !QFile::exists(output), "a bad new location was used");
        return 0;
    }
    fuzz::expect(written.ok(), "the extraction failed");

    fuzz::expect(*written == expected.count, "count differs from the reference");
    fuzz::expect(fuzz::contents(output) == expected.bytes, "bytes differ from the reference");
    fuzz::expect(
        restrictions ==
            (expected.restrictedTo.isEmpty() ? QStringList() : QStringList{expected.restrictedTo}),
        "start restriction differs");
    fuzz::expect(fuzz::contents(input) == fields.file, "the input was changed");
    return 0;
}
