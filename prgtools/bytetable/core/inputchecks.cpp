#include "inputchecks.h"

#include "hex.h"
#include "paths.h"
#include "valuesperrow.h"

namespace nembra {

namespace {

enum Box { Input = 0, Output = 1, Values = 3, LimitStart = 4, LimitEnd = 5 };

CheckFailure fail(const char* message, int box) {
    return {QString::fromLatin1(message), box};
}

// A text that passed Kontrollera4HEX: four digits, always a number.
qint64 address(const QString& text) {
    return prg::HexToDec(text, kProgramName).value();
}

} // namespace

std::variant<ConversionRequest, CheckFailure> checkInputs(const FormTexts& texts) {
    if (texts.input.trimmed().isEmpty())
        return fail("Input filename is missing", Input);
    if (!prg::isExistingFile(texts.input))
        return fail("Invalid input filename", Input);
    if (texts.output.trimmed().isEmpty())
        return fail("Output filename is missing", Output);
    // Creating the output would otherwise replace the PRG before it is read.
    if (prg::isSameFile(texts.input, texts.output))
        return fail("Output file must not be the input file", Output);

    const ValuesPerRow values = parseValuesPerRow(texts.valuesPerRow);
    if (values.verdict == ValuesPerRow::Verdict::NotNumeric)
        return fail("Values per row must be numeric", Values);
    if (values.verdict == ValuesPerRow::Verdict::OutOfRange)
        return fail("Value per row must be between 1-32", Values);

    ConversionRequest request{texts.input, texts.output, values.value, std::nullopt};
    if (!texts.limit)
        return request;
    if (texts.limitStart.trimmed().isEmpty() || texts.limitEnd.trimmed().isEmpty())
        return fail("You must specify limit start and end", LimitStart);
    if (!prg::Kontrollera4HEX(texts.limitStart))
        return fail("Invalid limit start address", LimitStart);
    if (!prg::Kontrollera4HEX(texts.limitEnd))
        return fail("Invalid limit end address", LimitEnd);
    request.limit = AddressWindow{address(texts.limitStart), address(texts.limitEnd)};
    return request;
}

} // namespace nembra
