#include "engine/fixed4.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <system_error>

#include "engine/arithmetic_error.hpp"
#include "engine/decimal_text.hpp"
#include "engine/fifteen_digit_rounding.hpp"
#include "engine/powers_of_ten.hpp"

namespace korvel::engine {
namespace {

// 128-bit intermediates hold any product of two counts exactly.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;

constexpr std::uint64_t kLargestPositiveCount = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kLargestNegativeMagnitude = kLargestPositiveCount + 1;
// A Fixed4 count has at most 19 integer digits.
constexpr std::int64_t kMaxCountDigits = 19;

using fixed4_detail::divide_by_scale_half_even;
using fixed4_detail::kDigitPairs;
using fixed4_detail::overflow;

Fixed4 from_magnitude(bool negative, UnsignedWide magnitude, const char* what) {
    if (negative) {
        if (magnitude > kLargestNegativeMagnitude) overflow(what);
        // Two's complement negation of the magnitude, done in unsigned arithmetic.
        return Fixed4::from_count(static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(magnitude)));
    }
    if (magnitude > kLargestPositiveCount) overflow(what);
    return Fixed4::from_count(static_cast<std::int64_t>(magnitude));
}

}  // namespace

void fixed4_detail::overflow(const char* what) { throw ArithmeticError(ErrorKind::Overflow, what); }

void fixed4_detail::division_by_zero() { throw ArithmeticError(ErrorKind::DivisionByZero, "division by zero"); }

Fixed4 fixed4_detail::wide_product(std::int64_t a, std::int64_t b) {
    const Wide product = static_cast<Wide>(a) * static_cast<Wide>(b);
    const bool negative = product < 0;
    const UnsignedWide magnitude =
        negative ? 0 - static_cast<UnsignedWide>(product) : static_cast<UnsignedWide>(product);
    return from_magnitude(negative, divide_by_scale_half_even(magnitude), "product beyond the Fixed4 range");
}

Fixed4 Fixed4::from_integer(std::int64_t value) {
    std::int64_t count = 0;
    if (__builtin_mul_overflow(value, kScale, &count)) overflow("integer beyond the Fixed4 range");
    return Fixed4(count);
}

namespace {

// digits * 10^shift rounded half-even.
std::uint64_t scale_digits(std::uint64_t digits, std::int64_t shift) {
    if (shift >= 0) {
        std::uint64_t scaled = 0;
        if (shift >= static_cast<std::int64_t>(kPowersOfTen.size()) ||
            __builtin_mul_overflow(digits, kPowersOfTen[static_cast<std::size_t>(shift)], &scaled)) {
            overflow("number beyond the Fixed4 range");
        }
        return scaled;
    }
    if (shift <= -static_cast<std::int64_t>(kPowersOfTen.size())) return 0;  // below 0.1 of the last place
    const std::uint64_t divisor = kPowersOfTen[static_cast<std::size_t>(-shift)];
    std::uint64_t quotient = digits / divisor;
    const std::uint64_t remainder = digits % divisor;
    const std::uint64_t half = divisor / 2;
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

// D * 10^shift rounded half-even, for a digit string D of at most 19 digits.
std::uint64_t scale_short_digits(const DecimalText& number, std::int64_t shift) {
    std::uint64_t digits = 0;
    for (std::size_t i = 0; i < number.digit_count(); ++i)
        digits = digits * 10 + static_cast<std::uint64_t>(number.digit(i));
    return scale_digits(digits, shift);
}

// D * 10^shift rounded half-even, for a digit string of any length.
std::uint64_t scale_long_digits(const DecimalText& number, std::int64_t shift) {
    // `whole` is the number of integer digits of the result.
    const auto digit_count = static_cast<std::int64_t>(number.digit_count());
    const std::int64_t whole = digit_count + shift;
    if (whole > kMaxCountDigits) overflow("number beyond the Fixed4 range");
    if (whole < 0) return 0;

    std::uint64_t magnitude = 0;
    for (std::int64_t i = 0; i < whole; ++i) {
        const int digit = i < digit_count ? number.digit(static_cast<std::size_t>(i)) : 0;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
    }
    if (whole < digit_count) {
        const int first_dropped = number.digit(static_cast<std::size_t>(whole));
        bool above_half = first_dropped > 5;
        for (std::int64_t i = whole + 1; first_dropped == 5 && i < digit_count && !above_half; ++i) {
            above_half = number.digit(static_cast<std::size_t>(i)) != 0;
        }
        const bool tie = first_dropped == 5 && !above_half;
        if (above_half || (tie && (magnitude & 1) != 0)) ++magnitude;
    }
    return magnitude;
}

}  // namespace

Fixed4 Fixed4::parse(std::string_view text) {
    // Most load texts are plain decimals such as "12.5"; they take one pass.
    if (const std::optional<PlainDecimal> plain = read_plain_decimal(text)) {
        return from_magnitude(plain->negative, scale_digits(plain->digits, 4 - plain->fraction_digits),
                              "number beyond the Fixed4 range");
    }
    const std::optional<DecimalText> number = read_decimal_text(text);
    if (!number) throw ArithmeticError(ErrorKind::TypeMismatch, "text is not a decimal number");
    if (number->is_zero()) return Fixed4();

    // The count is D * 10^(power + 4).
    const std::int64_t shift = number->power + 4;
    const std::uint64_t magnitude = number->digit_count() <= static_cast<std::size_t>(kMaxCountDigits)
                                        ? scale_short_digits(*number, shift)
                                        : scale_long_digits(*number, shift);
    return from_magnitude(number->negative, magnitude, "number beyond the Fixed4 range");
}

std::string Fixed4::to_text() const {
    char buffer[kMaxTextLength];
    return std::string(buffer, write_text(buffer));
}

char* fixed4_detail::write_long_whole(char* out, std::uint64_t whole) {
    std::size_t count = 3;
    while (count < kPowersOfTen.size() && whole >= kPowersOfTen[count]) ++count;
    char* const end = out + count;
    char* at = end;
    for (; whole >= 100; whole /= 100) {
        at -= 2;
        std::copy_n(&kDigitPairs[2 * (whole % 100)], 2, at);
    }
    if (whole >= 10) {
        std::copy_n(&kDigitPairs[2 * whole], 2, at - 2);
    } else {
        at[-1] = static_cast<char>('0' + whole);
    }
    return end;
}

namespace {

// Writes the 15-digit text into `buffer` and returns its end.
char* write_fifteen_digit_text(double x, char (&buffer)[32]) {
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    if (error != std::errc()) overflow("value cannot be written");
    return end;
}

}  // namespace

std::string fifteen_digit_text(double x) {
    char buffer[32];
    return std::string(buffer, write_fifteen_digit_text(x, buffer));
}

double parse_double(std::string_view text) {
    // A plain decimal whose digits a double holds exactly is their quotient by a
    // power of ten (at most 10^19, also exact): one division, which rounds to the
    // nearest double as the general road does.
    constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
    if (const std::optional<PlainDecimal> plain = read_plain_decimal(text); plain && plain->digits <= kExactIntegers) {
        if (plain->digits == 0) return 0.0;  // never a negative zero
        const double value = static_cast<double>(plain->digits) /
                             static_cast<double>(kPowersOfTen[static_cast<std::size_t>(plain->fraction_digits)]);
        return plain->negative ? -value : value;
    }
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

Fixed4 text_rounded(double value) {
    if (const std::optional<Fixed4> rounded = fifteen_digit_fixed4(value)) return *rounded;
    char buffer[32];
    const char* end = write_fifteen_digit_text(value, buffer);
    return Fixed4::parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

}  // namespace korvel::engine
