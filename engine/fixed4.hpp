#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvel::engine {

// A signed fixed-point number with four decimal places: a 64-bit count of
// ten-thousandths. Every result of the analysis is rounded through it before it
// becomes text. Every operation that would leave the range throws
// ArithmeticError(Overflow); none has undefined behaviour.
class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;
    static constexpr Fixed4 from_count(std::int64_t count) { return Fixed4(count); }
    static Fixed4 from_integer(std::int64_t value);

    // Fixed4 rounding: x * 10000 in double, then the nearest integer, ties to even.
    static Fixed4 round(double x);

    // Reads a decimal number text exactly (never through a double) and rounds it
    // to four decimals, ties to even. Throws TypeMismatch or Overflow.
    static Fixed4 parse(std::string_view text);

    constexpr std::int64_t count() const { return count_; }
    // |count|, also of the most negative count.
    constexpr std::uint64_t magnitude() const {
        return count_ < 0 ? 0 - static_cast<std::uint64_t>(count_) : static_cast<std::uint64_t>(count_);
    }
    // The count converted to double, then divided by 10000.
    double to_double() const { return static_cast<double>(count_) / static_cast<double>(kScale); }

    // Fixed4 text: no group separators, no trailing fraction zeros, no negative zero.
    std::string to_text() const;
    // The longest Fixed4 text, "-922337203685477.5808".
    static constexpr std::size_t kMaxTextLength = 21;
    // Writes the Fixed4 text into a buffer of at least kMaxTextLength characters; returns its end.
    char* write_text(char* buffer) const;

    friend constexpr bool operator==(Fixed4, Fixed4) = default;

    // Exact sums and differences.
    friend Fixed4 operator+(Fixed4 a, Fixed4 b);
    friend Fixed4 operator-(Fixed4 a, Fixed4 b);
    Fixed4 operator-() const;
    // The exact product rounded to four decimals, ties to even.
    friend Fixed4 operator*(Fixed4 a, Fixed4 b);
    // Exact product with an integer constant.
    friend Fixed4 operator*(Fixed4 a, int k);

private:
    constexpr explicit Fixed4(std::int64_t count) : count_(count) {}
    std::int64_t count_ = 0;
};

// Where a Fixed4 value meets a double, the result is a double: the Fixed4
// operand is converted first.
inline double operator+(Fixed4 a, double b) { return a.to_double() + b; }
inline double operator+(double a, Fixed4 b) { return a + b.to_double(); }
inline double operator-(Fixed4 a, double b) { return a.to_double() - b; }
inline double operator-(double a, Fixed4 b) { return a - b.to_double(); }
inline double operator*(Fixed4 a, double b) { return a.to_double() * b; }
inline double operator*(double a, Fixed4 b) { return a * b.to_double(); }

// Division of any operands is a double division; a zero divisor throws
// ArithmeticError(DivisionByZero). Where a Fixed4 takes part (the span and the
// rise are the divisors that can be zero) the operator checks it.
double divide(double dividend, double divisor);
inline double operator/(Fixed4 a, double b) { return divide(a.to_double(), b); }
inline double operator/(double a, Fixed4 b) { return divide(a, b.to_double()); }
inline double operator/(Fixed4 a, Fixed4 b) { return divide(a.to_double(), b.to_double()); }

// The double rounded to 15 significant digits and written as decimal number text.
std::string fifteen_digit_text(double x);

// Reads a decimal number text as the nearest double. Throws TypeMismatch, or
// Overflow when the magnitude lies beyond the double range.
double parse_double(std::string_view text);

// The Fixed4 that the 15-digit text of `value` reads back as: the value the
// text-rounded display shows. Results shown plainly are Fixed4 values already,
// and rounded results are Fixed4::round(value).
Fixed4 text_rounded(double value);

}  // namespace korvel::engine
