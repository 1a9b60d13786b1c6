#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/extractor/core/extraction.h"

#include <QString>

namespace slivra {

// The texts of the window's boxes and the location check box when "Extract
// data" is pressed.
struct ExtractFields {
    QString input;
    QString output;
    QString start;
    QString end;
    bool includeLocation = false;
    QString newLocation = {};
};

// The field of ExtractFields that an input check found wrong.
enum class ExtractField { Input, Output, Start, End, NewLocation };

using InputProblem = prg::InputProblem<ExtractField>;

// The checks made before anything is opened, in their order: input named,
// input an existing ordinary file, output named, output not the input, start
// and end given, start and end valid four-digit lower-case addresses, the new
// location 1 to 4 hexadecimal digits while location bytes are included. On
// success, the extraction they allow, with the range as numbers.
prg::Checked<ExtractRequest, ExtractField> checkInputs(const ExtractFields& fields);

} // namespace slivra
