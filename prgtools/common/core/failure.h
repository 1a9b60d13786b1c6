#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

class QFileDevice;

namespace prg {

// A run-time failure as the PRG tools report it: a number, a description a
// person can act on, and the component that raised it.
struct Failure {
    int number = 0;
    QString description;
    QString source;
};

// Either a value or the Failure that prevented it.
template <typename T> class Outcome {
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Failure failure) : m_state(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(m_state); }
    const T& operator*() const { return value(); }
    const Failure& failure() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// Nothing to return but a possible failure.
using Status = std::optional<Failure>;

// The failure of a file operation that just failed: the platform's error
// number (errno) when there is one, and a description that names the file
// once, in front of the reason.
Failure fileFailure(const QFileDevice& file, const QString& path, int savedErrno,
                    const QString& source);

// A failure with an errno value and its text, prefixed by `what`.
Failure errnoFailure(int error, const QString& what, const QString& source);

} // namespace prg
