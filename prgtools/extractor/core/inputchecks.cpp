#include "inputchecks.h"

#include "extraction.h"
#include "hex.h"
#include "paths.h"

namespace slivra {

namespace {

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

InputProblem problem(const char* message, Box focus) {
    return {QString::fromLatin1(message), focus};
}

} // namespace

std::optional<InputProblem> checkInputs(const ExtractFields& fields) {
    if (isBlank(fields.input))
        return problem("Input filename is missing", Box::Input);
    if (!prg::isExistingFile(fields.input))
        return problem("Invalid input filename", Box::Input);
    if (isBlank(fields.output))
        return problem("Output filename is missing", Box::Output);
    // Replacing the output would destroy the input before it was read.
    if (prg::isSameFile(fields.input, fields.output))
        return problem("Output file must not be the input file", Box::Output);
    if (isBlank(fields.start) || isBlank(fields.end))
        return problem("You must specify extract start and end", Box::Start);
    // The addresses are taken as they stand: a blank is not a digit.
    if (!prg::Kontrollera4HEX(fields.start))
        return problem("Invalid limit start address", Box::Start);
    if (!prg::Kontrollera4HEX(fields.end))
        return problem("Invalid limit end address", Box::End);
    if (fields.includeLocation && !newLocationBytes(fields.newLocation))
        return problem("Invalid new location address", Box::NewLocation);
    return std::nullopt;
}

} // namespace slivra
