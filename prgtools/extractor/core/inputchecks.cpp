#include "prgtools/extractor/core/inputchecks.h"

#include "prgtools/common/core/hex.h"

namespace slivra {

namespace {

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

} // namespace

prg::Checked<ExtractRequest, ExtractField> checkInputs(const ExtractFields& fields) {
    if (auto wrong = prg::checkPaths<ExtractField>(fields.input, fields.output))
        return *wrong;
    using enum ExtractField;
    const auto problem = prg::inputProblem<ExtractField>;
    if (isBlank(fields.start) || isBlank(fields.end))
        return problem("You must specify extract start and end", Start);
    // The addresses are taken as they stand: a blank is not a digit.
    const std::optional<int> start = prg::fourDigitAddress(fields.start);
    if (!start)
        return problem("Invalid limit start address", Start);
    const std::optional<int> end = prg::fourDigitAddress(fields.end);
    if (!end)
        return problem("Invalid limit end address", End);
    if (fields.includeLocation) {
        const auto location = prg::newLocationBytes(fields.newLocation, kProgram);
        if (!location)
            return InputProblem{location.failure().description, NewLocation};
    }
    return ExtractRequest{
        fields.input, fields.output, {*start, *end}, fields.includeLocation, fields.newLocation};
}

} // namespace slivra
