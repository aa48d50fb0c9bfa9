#include "engine/decimal_text.hpp"

#include <algorithm>

namespace korvel::engine {
namespace {

// Exponents are clamped here: beyond it any value is far outside both the Fixed4
// and the double range, even with a megabyte of digits.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

const char* skip_digits(const char* p, const char* end) {
    while (p != end && is_digit(*p)) ++p;
    return p;
}

}  // namespace

std::optional<DecimalText> read_decimal_text(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && is_blank(*p)) ++p;
    while (end != p && is_blank(end[-1])) --end;

    DecimalText number;
    if (p != end && (*p == '+' || *p == '-')) {
        number.negative = *p == '-';
        ++p;
    }
    number.magnitude = std::string_view(p, static_cast<std::size_t>(end - p));

    const char* integer_begin = p;
    const char* integer_end = p = skip_digits(p, end);
    const char* fraction_begin = p;
    const char* fraction_end = p;
    if (p != end && *p == '.') {
        fraction_begin = p + 1;
        fraction_end = p = skip_digits(fraction_begin, end);
    }
    if (integer_begin == integer_end && fraction_begin == fraction_end) return std::nullopt;

    std::int64_t written_exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool exponent_negative = false;
        if (p != end && (*p == '+' || *p == '-')) {
            exponent_negative = *p == '-';
            ++p;
        }
        const char* exponent_begin = p;
        p = skip_digits(p, end);
        if (p == exponent_begin) return std::nullopt;
        for (const char* d = exponent_begin; d != p; ++d) {
            written_exponent = std::min<std::int64_t>(written_exponent * 10 + (*d - '0'), kExponentLimit);
        }
        if (exponent_negative) written_exponent = -written_exponent;
    }
    if (p != end) return std::nullopt;

    // The power is fixed by the fraction's length once its trailing zeros are gone;
    // leading zeros of D do not change the value and are dropped after that.
    while (fraction_end != fraction_begin && fraction_end[-1] == '0') --fraction_end;
    number.power = written_exponent - (fraction_end - fraction_begin);
    while (integer_begin != integer_end && *integer_begin == '0') ++integer_begin;
    if (integer_begin == integer_end) {
        while (fraction_begin != fraction_end && *fraction_begin == '0') ++fraction_begin;
    }
    number.integer_digits = std::string_view(integer_begin, static_cast<std::size_t>(integer_end - integer_begin));
    number.fraction_digits = std::string_view(fraction_begin, static_cast<std::size_t>(fraction_end - fraction_begin));
    return number;
}

}  // namespace korvel::engine
