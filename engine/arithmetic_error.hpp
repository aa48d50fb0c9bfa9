#pragma once

#include <stdexcept>
#include <string>

namespace korvel::engine {

// Why an analysis could not produce its results.
enum class ErrorKind {
    MissingSpan,      // the span box is empty
    TypeMismatch,     // a text that is not a decimal number
    Overflow,         // a value beyond the Fixed4 range
    DivisionByZero,   // the span is 0, or too small for the rise to be non-zero
    PitchOutOfRange,  // a rise that makes the pitch too flat or too steep on the span
};

// Raised by Fixed4 and the mixed arithmetic; the analysis run catches it and
// attaches the input that caused it.
class ArithmeticError : public std::runtime_error {
public:
    ArithmeticError(ErrorKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

}  // namespace korvel::engine
