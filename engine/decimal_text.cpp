#include "engine/decimal_text.hpp"

#include <algorithm>

namespace korvel::engine {
namespace {

// Exponents are clamped here: beyond it any value is far outside both the Fixed4
// and the double range, even with a megabyte of digits.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view take_digits(std::string_view text, std::size_t& i) {
    const std::size_t begin = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    return text.substr(begin, i - begin);
}

}  // namespace

std::optional<DecimalText> read_decimal_text(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);

    DecimalText number;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        number.negative = body[i] == '-';
        ++i;
    }
    number.magnitude = body.substr(i);

    std::string_view integer_digits = take_digits(body, i);
    std::string_view fraction_digits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        fraction_digits = take_digits(body, i);
    }
    if (integer_digits.empty() && fraction_digits.empty()) return std::nullopt;

    std::int64_t written_exponent = 0;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            exponent_negative = body[i] == '-';
            ++i;
        }
        const std::string_view exponent_digits = take_digits(body, i);
        if (exponent_digits.empty()) return std::nullopt;
        for (const char c : exponent_digits) {
            written_exponent = std::min<std::int64_t>(written_exponent * 10 + (c - '0'), kExponentLimit);
        }
        if (exponent_negative) written_exponent = -written_exponent;
    }
    if (i != body.size()) return std::nullopt;

    // The power is fixed by the fraction's length once its trailing zeros are gone;
    // leading zeros of D do not change the value and are dropped after that.
    while (!fraction_digits.empty() && fraction_digits.back() == '0') fraction_digits.remove_suffix(1);
    number.power = written_exponent - static_cast<std::int64_t>(fraction_digits.size());
    while (!integer_digits.empty() && integer_digits.front() == '0') integer_digits.remove_prefix(1);
    if (integer_digits.empty()) {
        while (!fraction_digits.empty() && fraction_digits.front() == '0') fraction_digits.remove_prefix(1);
    }
    number.integer_digits = integer_digits;
    number.fraction_digits = fraction_digits;
    return number;
}

}  // namespace korvel::engine
