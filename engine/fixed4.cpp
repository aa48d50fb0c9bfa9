#include "engine/fixed4.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "engine/arithmetic_error.hpp"
#include "engine/decimal_text.hpp"

namespace korvel::engine {
namespace {

// 128-bit intermediates hold any product of two counts exactly.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;

constexpr std::uint64_t kLargestPositiveCount = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kLargestNegativeMagnitude = kLargestPositiveCount + 1;
// 2^63 as a double: counts must lie in [-2^63, 2^63).
constexpr double kTwoToThe63 = 9223372036854775808.0;
// A Fixed4 count has at most 19 integer digits.
constexpr std::int64_t kMaxCountDigits = 19;

[[noreturn]] void overflow(const char* what) { throw ArithmeticError(ErrorKind::Overflow, what); }

Fixed4 from_magnitude(bool negative, UnsignedWide magnitude, const char* what) {
    if (negative) {
        if (magnitude > kLargestNegativeMagnitude) overflow(what);
        // Two's complement negation of the magnitude, done in unsigned arithmetic.
        return Fixed4::from_count(static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(magnitude)));
    }
    if (magnitude > kLargestPositiveCount) overflow(what);
    return Fixed4::from_count(static_cast<std::int64_t>(magnitude));
}

// Rounds magnitude / 10000 to the nearest integer, ties to even.
UnsignedWide divide_by_scale_half_even(UnsignedWide magnitude) {
    const UnsignedWide scale = static_cast<UnsignedWide>(Fixed4::kScale);
    UnsignedWide quotient = magnitude / scale;
    const UnsignedWide remainder = magnitude % scale;
    const UnsignedWide half = scale / 2;
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

std::string fraction_text(std::uint64_t fraction) {
    std::string digits(4, '0');
    for (int i = 3; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    while (digits.back() == '0') digits.pop_back();
    return digits;
}

}  // namespace

Fixed4 Fixed4::from_integer(std::int64_t value) {
    std::int64_t count = 0;
    if (__builtin_mul_overflow(value, kScale, &count)) overflow("integer beyond the Fixed4 range");
    return Fixed4(count);
}

Fixed4 Fixed4::round(double x) {
    const double nearest = std::nearbyint(x * static_cast<double>(kScale));
    if (!(nearest >= -kTwoToThe63 && nearest < kTwoToThe63)) overflow("value beyond the Fixed4 range");
    return Fixed4(static_cast<std::int64_t>(nearest));
}

Fixed4 Fixed4::parse(std::string_view text) {
    const std::optional<DecimalText> number = read_decimal_text(text);
    if (!number) throw ArithmeticError(ErrorKind::TypeMismatch, "text is not a decimal number");
    if (number->is_zero()) return Fixed4();

    // The count is D * 10^(power + 4); `whole` is the number of its integer digits.
    const auto digit_count = static_cast<std::int64_t>(number->digit_count());
    const std::int64_t whole = digit_count + number->power + 4;
    if (whole > kMaxCountDigits) overflow("number beyond the Fixed4 range");
    if (whole < 0) return Fixed4();

    std::uint64_t magnitude = 0;
    for (std::int64_t i = 0; i < whole; ++i) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(i < digit_count ? number->digit(static_cast<std::size_t>(i)) : 0);
    }
    if (whole < digit_count) {
        const int first_dropped = number->digit(static_cast<std::size_t>(whole));
        bool above_half = first_dropped > 5;
        if (first_dropped == 5) {
            for (std::int64_t i = whole + 1; i < digit_count && !above_half; ++i) {
                above_half = number->digit(static_cast<std::size_t>(i)) != 0;
            }
        }
        const bool tie = first_dropped == 5 && !above_half;
        if (above_half || (tie && (magnitude & 1) != 0)) ++magnitude;
    }
    return from_magnitude(number->negative, magnitude, "number beyond the Fixed4 range");
}

std::string Fixed4::to_text() const {
    const std::uint64_t magnitude =
        count_ < 0 ? 0 - static_cast<std::uint64_t>(count_) : static_cast<std::uint64_t>(count_);
    const std::uint64_t scale = static_cast<std::uint64_t>(kScale);
    std::string text = count_ < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    if (const std::uint64_t fraction = magnitude % scale; fraction != 0) {
        text += '.';
        text += fraction_text(fraction);
    }
    return text;
}

Fixed4 operator+(Fixed4 a, Fixed4 b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.count_, b.count_, &sum)) overflow("sum beyond the Fixed4 range");
    return Fixed4(sum);
}

Fixed4 operator-(Fixed4 a, Fixed4 b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.count_, b.count_, &difference)) overflow("difference beyond the Fixed4 range");
    return Fixed4(difference);
}

Fixed4 Fixed4::operator-() const {
    std::int64_t negated = 0;
    if (__builtin_sub_overflow(std::int64_t{0}, count_, &negated)) overflow("negation beyond the Fixed4 range");
    return Fixed4(negated);
}

Fixed4 operator*(Fixed4 a, Fixed4 b) {
    const Wide product = static_cast<Wide>(a.count_) * static_cast<Wide>(b.count_);
    const bool negative = product < 0;
    const UnsignedWide magnitude = negative ? 0 - static_cast<UnsignedWide>(product) : static_cast<UnsignedWide>(product);
    return from_magnitude(negative, divide_by_scale_half_even(magnitude), "product beyond the Fixed4 range");
}

Fixed4 operator*(Fixed4 a, int k) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.count_, static_cast<std::int64_t>(k), &product)) {
        overflow("product beyond the Fixed4 range");
    }
    return Fixed4(product);
}

double divide(double dividend, double divisor) {
    if (divisor == 0) throw ArithmeticError(ErrorKind::DivisionByZero, "division by zero");
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) overflow("quotient beyond the double range");
    return quotient;
}

std::string fifteen_digit_text(double x) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    if (error != std::errc()) overflow("value cannot be written");
    return std::string(buffer, end);
}

double parse_double(std::string_view text) {
    const std::optional<DecimalText> number = read_decimal_text(text);
    if (!number) throw ArithmeticError(ErrorKind::TypeMismatch, "text is not a decimal number");
    if (number->is_zero()) return 0.0;

    double value = 0;
    const char* first = number->magnitude.data();
    const char* last = first + number->magnitude.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is an overflow; too small is simply zero.
        if (static_cast<std::int64_t>(number->digit_count()) + number->power > 0) {
            overflow("number beyond the double range");
        }
        value = 0.0;
    } else if (error != std::errc() || end != last) {
        throw ArithmeticError(ErrorKind::TypeMismatch, "text is not a decimal number");
    }
    return number->negative ? -value : value;
}

std::string plain_display(Fixed4 value) { return value.to_text(); }
std::string rounded_display(double value) { return Fixed4::round(value).to_text(); }
std::string rounded_display(Fixed4 value) { return value.to_text(); }
std::string text_rounded_display(double value) { return Fixed4::parse(fifteen_digit_text(value)).to_text(); }

}  // namespace korvel::engine
