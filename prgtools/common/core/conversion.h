#pragma once

#include "prgtools/common/core/failure.h"
#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/core/prginput.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <variant>

namespace prg {

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

// What a conversion makes of the data bytes it is given, in file order.
class DataSink {
public:
    virtual ~DataSink() = default;
    // The file holds a data byte: called once, before the first take().
    virtual Status begin() { return std::nullopt; }
    // The next run of data bytes that the window lets through.
    virtual Status take(const char* data, qint64 count) = 0;
    // Every byte has been given: what the conversion reports it did.
    virtual Outcome<qint64> finish() = 0;
};

// One conversion of the PRG file `input` into the file `output`, which is
// written as OutputFile promises.
class Conversion {
public:
    Conversion(const QString& input, const QString& output, const QString& source);

    // Where the sink writes.
    OutputFile& output() { return m_output; }

    // Refuses an output that names the input, however spelt: writing it
    // would destroy the PRG before it was read. Then opens both files, tells
    // `events` that the conversion proper starts, and gives `sink` the data
    // bytes that lie in `window` (every data byte without one), after the
    // start restriction, which `events` hears of. The input is read in
    // blocks, from the window's first byte to its last and no further, so
    // memory use does not depend on the file's size. The output is committed
    // when all of that succeeded, and never after a failure. Returns what the
    // sink's finish() gives.
    Outcome<qint64> run(std::optional<AddressWindow> window, const ConversionEvents& events,
                        DataSink& sink);

private:
    Status readData(std::optional<AddressWindow> window, const ConversionEvents& events,
                    DataSink& sink);

    QString m_inputPath;
    QString m_outputPath;
    QString m_source;
    PrgInput m_input;
    OutputFile m_output;
};

} // namespace prg
