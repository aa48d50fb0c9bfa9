#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvel::engine {

// A decimal number text taken apart. Its value is
//   (negative ? -1 : 1) * D * 10^power,
// where D is the digit string integer_digits followed by fraction_digits, with
// leading zeros and the fraction's trailing zeros removed (D is empty for zero).
struct DecimalText {
    bool negative = false;
    std::string_view integer_digits;
    std::string_view fraction_digits;
    std::int64_t power = 0;      // clamped far beyond any value Fixed4 or double can hold
    std::string_view magnitude;  // the text without blanks and sign, e.g. "1.5e3"

    std::size_t digit_count() const { return integer_digits.size() + fraction_digits.size(); }
    int digit(std::size_t i) const {
        return (i < integer_digits.size() ? integer_digits[i] : fraction_digits[i - integer_digits.size()]) - '0';
    }
    bool is_zero() const { return digit_count() == 0; }
};

// The common plain form "[+-]digits[.digits]" with at most 19 digits in all,
// read in one pass: the value is (negative ? -1 : 1) * digits / 10^fraction_digits.
struct PlainDecimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int fraction_digits = 0;
};

// Reads the plain form; any other text (which may still be a number) gives nothing.
// Inline: nearly every load text of a batch is read so.
inline std::optional<PlainDecimal> read_plain_decimal(std::string_view text) {
    constexpr std::ptrdiff_t kMaxDigits = 19;
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;
    // One pass over digits and at most one point. Digits are gathered in a local,
    // which the character reads cannot alias; digits beyond the 19th may wrap it
    // around, and such a text is refused below.
    const char* const first = p;
    const char* point = nullptr;
    std::uint64_t digits = 0;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned char>(*p - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
        } else if (*p == '.' && point == nullptr) {
            point = p;
        } else {
            return std::nullopt;
        }
    }
    const std::ptrdiff_t digit_count = (end - first) - (point == nullptr ? 0 : 1);
    if (digit_count == 0 || digit_count > kMaxDigits) return std::nullopt;
    const std::ptrdiff_t fraction_digits = point == nullptr ? 0 : end - point - 1;
    return PlainDecimal{negative, digits, static_cast<int>(fraction_digits)};
}

// Accepts exactly: optional blanks; an optional sign; digits with an optional
// decimal point and fraction (at least one digit in all); an optional exponent
// (E or e, optional sign, digits); optional blanks. The point is always ".",
// whatever the locale. Anything else, the empty text and a text of blanks
// included, is not a number.
std::optional<DecimalText> read_decimal_text(std::string_view text);

}  // namespace korvel::engine
