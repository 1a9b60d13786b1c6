#pragma once

#include <QString>

#include <optional>

namespace slivra {

// The boxes of the window that the input checks read, by their index in the
// txtStd array.
enum class Box { Input = 0, Output = 1, NewLocation = 2, Start = 4, End = 5 };

struct ExtractFields {
    QString input;
    QString output;
    QString start;
    QString end;
    bool includeLocation = false;
    QString newLocation = {};
};

// The first check that fails: the warning to show and the box to focus.
struct InputProblem {
    QString message;
    Box focus;
};

// The checks made before anything is opened, in their order: input named,
// input an existing ordinary file, output named, start and end given, start
// and end valid four-digit lower-case addresses, the new location 1 to 4
// hexadecimal digits while location bytes are included, output not the input.
std::optional<InputProblem> checkInputs(const ExtractFields& fields);

} // namespace slivra
