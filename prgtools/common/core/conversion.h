#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <variant>

namespace prg {

class OutputFile;
class PrgInput;

// What a window hears of a conversion while it runs.
struct ConversionEvents {
    // Both files are open; the bytes are about to be read.
    std::function<void()> converting;
    // The start lay below the PRG's load address and now starts at it; the
    // argument is the load address as four upper-case digits ("C000").
    std::function<void(const QString& loadAddress)> startRestricted;
};

// The first input check that failed: the warning to show and the field of
// the request it concerns, whose box then gets the focus.
template <typename Field> struct InputProblem {
    QString message;
    Field field;
};

// The problem of `field` with this message.
template <typename Field> InputProblem<Field> inputProblem(const char* message, Field field) {
    return {QString::fromLatin1(message), field};
}

// The C64 address a text that passed Kontrollera4HEX gives: four digits are
// always a number.
int checkedAddress(const QString& text);

// What the input checks give: the request they allow, or the first problem.
template <typename Request, typename Field>
using Checked = std::variant<Request, InputProblem<Field>>;

// The checks on the two paths that come first in both tools, in their order:
// input named, input an existing ordinary file, output named, output not the
// input however spelt. Nothing when all pass.
enum class PathField { Input, Output };
std::optional<InputProblem<PathField>> checkPathTexts(const QString& input, const QString& output);

// The same for a tool's own fields, which name the two boxes Input and Output.
template <typename Field>
std::optional<InputProblem<Field>> checkPaths(const QString& input, const QString& output) {
    std::optional<InputProblem<PathField>> wrong = checkPathTexts(input, output);
    if (!wrong)
        return std::nullopt;
    return InputProblem<Field>{wrong->message,
                               wrong->field == PathField::Input ? Field::Input : Field::Output};
}

// Refuses an output that names the input, however spelt: writing it would
// destroy the PRG before it was read.
Status refuseSameFile(const QString& input, const QString& output, const QString& source);

// The frame of one conversion: opens the input and the output, tells
// `events` that the conversion proper starts, runs `body` and commits the
// output only when `body` succeeded. After a failure an existing output file
// is left as it was. Returns what `body` returned.
Outcome<qint64> runConversion(PrgInput& input, OutputFile& output, const ConversionEvents& events,
                              const std::function<Outcome<qint64>()>& body);

} // namespace prg
