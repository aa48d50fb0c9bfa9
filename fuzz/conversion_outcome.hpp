#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "engine/arithmetic_error.hpp"
#include "fuzz/fuzz_check.hpp"

namespace korvel::fuzz {

// How one call of a conversion ended: a value, or the arithmetic error it raised.
template <class T>
struct ConversionOutcome {
    std::optional<T> value;
    std::optional<engine::ErrorKind> error;
};

// Runs a text conversion, which may end only in a value, a type mismatch or an
// overflow; anything else it throws is a fault.
template <class Convert>
auto run_conversion(Convert convert, std::string_view input) -> ConversionOutcome<decltype(convert())> {
    try {
        return {convert(), std::nullopt};
    } catch (const engine::ArithmeticError& error) {
        if (error.kind() != engine::ErrorKind::TypeMismatch && error.kind() != engine::ErrorKind::Overflow)
            fail(std::string("a text conversion raised an unexpected arithmetic error: ") + error.what(), input);
        return {std::nullopt, error.kind()};
    } catch (const std::exception& error) {
        fail(std::string("a text conversion threw ") + error.what(), input);
    } catch (...) {
        fail("a text conversion threw something that is not an exception", input);
    }
}

}  // namespace korvel::fuzz
