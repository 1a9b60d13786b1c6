#include "prgtools/bytetable/core/inputchecks.h"

#include "prgtools/bytetable/core/valuesperrow.h"
#include "prgtools/common/core/hex.h"

namespace nembra {

prg::Checked<ConversionRequest, ConversionField> checkInputs(const ConversionFields& fields) {
    if (auto wrong = prg::checkPaths<ConversionField>(fields.input, fields.output))
        return *wrong;
    using enum ConversionField;
    const auto problem = prg::inputProblem<ConversionField>;

    const ValuesPerRow values = parseValuesPerRow(fields.valuesPerRow);
    if (values.verdict == ValuesPerRow::Verdict::NotNumeric)
        return problem("Values per row must be numeric", Values);
    if (values.verdict == ValuesPerRow::Verdict::OutOfRange)
        return problem(kValuesOutOfRange, Values);

    ConversionRequest request{fields.input, fields.output, values.value, std::nullopt};
    if (!fields.limit)
        return request;
    if (fields.limitStart.trimmed().isEmpty() || fields.limitEnd.trimmed().isEmpty())
        return problem("You must specify limit start and end", LimitStart);
    const std::optional<int> start = prg::fourDigitAddress(fields.limitStart);
    if (!start)
        return problem("Invalid limit start address", LimitStart);
    const std::optional<int> end = prg::fourDigitAddress(fields.limitEnd);
    if (!end)
        return problem("Invalid limit end address", LimitEnd);
    request.limit = prg::AddressWindow{*start, *end};
    return request;
}

} // namespace nembra
