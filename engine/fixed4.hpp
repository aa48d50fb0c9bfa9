#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvel::engine {

// A signed fixed-point number with four decimal places: a 64-bit count of
// ten-thousandths. Every result of the analysis is rounded through it before it
// becomes text. Every operation that would leave the range throws
// ArithmeticError(Overflow); none has undefined behaviour. The operations an
// analysis runs dozens of times are defined below, to be inlined.
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

namespace fixed4_detail {

// The rare roads of the inline operations, out of line so that those stay small.
[[noreturn]] void overflow(const char* what);  // throws ArithmeticError(Overflow)
[[noreturn]] void division_by_zero();          // throws ArithmeticError(DivisionByZero)
Fixed4 wide_product(std::int64_t a, std::int64_t b);
// Writes `whole`, of three digits or more, in decimal at `out`; returns the end.
char* write_long_whole(char* out, std::uint64_t whole);

// "00" to "99": digits are written two at a time.
inline constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Rounds magnitude / 10000 to the nearest integer, ties to even.
template <typename Unsigned>
Unsigned divide_by_scale_half_even(Unsigned magnitude) {
    const auto scale = static_cast<Unsigned>(Fixed4::kScale);
    Unsigned quotient = magnitude / scale;
    const Unsigned remainder = magnitude % scale;
    const Unsigned half = scale / 2;
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

}  // namespace fixed4_detail

inline Fixed4 Fixed4::round(double x) {
    // The nearest integer, ties to even, as std::nearbyint gives it in the default
    // rounding mode the program always runs in, without the library call: adding
    // 2^52 leaves no fraction bits, so the addition itself rounds. Larger values
    // are whole already, and not a number stays what it is.
    constexpr double kNoFractionBits = 4503599627370496.0;  // 2^52
    constexpr double kTwoToThe63 = 9223372036854775808.0;   // counts lie in [-2^63, 2^63)
    double nearest = x * static_cast<double>(kScale);
    if (std::fabs(nearest) < kNoFractionBits) {
        nearest =
            nearest < 0 ? (nearest - kNoFractionBits) + kNoFractionBits : (nearest + kNoFractionBits) - kNoFractionBits;
    }
    if (!(nearest >= -kTwoToThe63 && nearest < kTwoToThe63)) fixed4_detail::overflow("value beyond the Fixed4 range");
    return Fixed4(static_cast<std::int64_t>(nearest));
}

inline char* Fixed4::write_text(char* buffer) const {
    const std::uint64_t magnitude = this->magnitude();
    const auto scale = static_cast<std::uint64_t>(kScale);
    char* end = buffer;
    if (count_ < 0) *end++ = '-';
    // Most results have one or two whole digits.
    const std::uint64_t whole = magnitude / scale;
    if (whole < 10) {
        *end++ = static_cast<char>('0' + whole);
    } else if (whole < 100) {
        std::copy_n(&fixed4_detail::kDigitPairs[2 * whole], 2, end);
        end += 2;
    } else {
        end = fixed4_detail::write_long_whole(end, whole);
    }
    const auto fraction = static_cast<std::uint32_t>(magnitude - whole * scale);
    if (fraction == 0) return end;
    *end++ = '.';
    // Two pairs of digits; of the four, the trailing zeros are left out.
    const std::uint32_t high = fraction / 100;
    const std::uint32_t low = fraction % 100;
    std::copy_n(&fixed4_detail::kDigitPairs[2 * high], 2, end);
    std::copy_n(&fixed4_detail::kDigitPairs[2 * low], 2, end + 2);
    if (low != 0) return end + (low % 10 == 0 ? 3 : 4);
    return end + (high % 10 == 0 ? 1 : 2);
}

inline Fixed4 operator+(Fixed4 a, Fixed4 b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.count_, b.count_, &sum)) fixed4_detail::overflow("sum beyond the Fixed4 range");
    return Fixed4(sum);
}

inline Fixed4 operator-(Fixed4 a, Fixed4 b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.count_, b.count_, &difference)) {
        fixed4_detail::overflow("difference beyond the Fixed4 range");
    }
    return Fixed4(difference);
}

inline Fixed4 Fixed4::operator-() const {
    std::int64_t negated = 0;
    if (__builtin_sub_overflow(std::int64_t{0}, count_, &negated)) {
        fixed4_detail::overflow("negation beyond the Fixed4 range");
    }
    return Fixed4(negated);
}

inline Fixed4 operator*(Fixed4 a, Fixed4 b) {
    // Most products fit in 64 bits; only the rest needs the slower 128-bit division.
    // A product below 2^63 in magnitude rounds to a count in range.
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.count_, b.count_, &product) || product == INT64_MIN) {
        return fixed4_detail::wide_product(a.count_, b.count_);
    }
    const bool negative = product < 0;
    const std::uint64_t magnitude = fixed4_detail::divide_by_scale_half_even(
        negative ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product));
    return Fixed4(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

inline Fixed4 operator*(Fixed4 a, int k) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.count_, static_cast<std::int64_t>(k), &product)) {
        fixed4_detail::overflow("product beyond the Fixed4 range");
    }
    return Fixed4(product);
}

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
inline double divide(double dividend, double divisor) {
    if (divisor == 0) fixed4_detail::division_by_zero();
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) fixed4_detail::overflow("quotient beyond the double range");
    return quotient;
}
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
