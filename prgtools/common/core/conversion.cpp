#include "prgtools/common/core/conversion.h"

#include "prgtools/common/core/hex.h"
#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/paths.h"
#include "prgtools/common/core/prginput.h"

#include <cerrno>

namespace prg {

std::optional<InputProblem<PathField>> checkPathTexts(const QString& input, const QString& output) {
    const auto problem = inputProblem<PathField>;
    if (input.trimmed().isEmpty())
        return problem("Input filename is missing", PathField::Input);
    if (!isExistingFile(input))
        return problem("Invalid input filename", PathField::Input);
    if (output.trimmed().isEmpty())
        return problem("Output filename is missing", PathField::Output);
    // Replacing the output would destroy the input before it was read.
    if (isSameFile(input, output))
        return problem("Output file must not be the input file", PathField::Output);
    return std::nullopt;
}

int checkedAddress(const QString& text) {
    return HexToDec(text, QString()).value();
}

Status refuseSameFile(const QString& input, const QString& output, const QString& source) {
    if (!isSameFile(input, output))
        return std::nullopt;
    return Failure{EINVAL, QStringLiteral("Output file must not be the input file"), source};
}

Outcome<qint64> runConversion(PrgInput& input, OutputFile& output, const ConversionEvents& events,
                              const std::function<Outcome<qint64>()>& body) {
    if (Status status = input.open())
        return *status;
    if (Status status = output.open())
        return *status;
    if (events.converting)
        events.converting();
    const Outcome<qint64> done = body();
    if (!done)
        return done;
    if (Status status = output.commit())
        return *status;
    return done;
}

} // namespace prg
