#include "fuzz/reference_decimal.hpp"

#include <cstddef>
#include <limits>
#include <string>

namespace korvel::fuzz {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_spaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Far beyond any shift that can still give a count in range, small enough to never overflow.
constexpr std::int64_t kExponentClamp = 100'000'000;

// The digits dropped below the fourth decimal decide the rounding: more than half
// rounds away from zero, exactly half goes to the even count.
bool rounds_up(std::string_view kept, std::string_view dropped) {
    if (dropped.empty() || dropped.front() < '5') return false;
    if (dropped.front() > '5' || dropped.substr(1).find_first_not_of('0') != std::string_view::npos) return true;
    const bool kept_is_odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    return kept_is_odd;
}

}  // namespace

ReferenceCount reference_count(std::string_view text) {
    const std::string_view t = trim_spaces(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';

    std::string digits;
    std::int64_t fraction_digits = 0;
    while (i < t.size() && is_digit(t[i])) digits += t[i++];
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && is_digit(t[i])) {
            digits += t[i++];
            ++fraction_digits;
        }
    }
    if (digits.empty()) return {};

    std::int64_t exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) exponent_negative = t[i++] == '-';
        if (i == t.size() || !is_digit(t[i])) return {};
        while (i < t.size() && is_digit(t[i])) {
            if (exponent < kExponentClamp) exponent = exponent * 10 + (t[i] - '0');
            ++i;
        }
        if (exponent_negative) exponent = -exponent;
    }
    if (i != t.size()) return {};

    const std::size_t first_significant = digits.find_first_not_of('0');
    if (first_significant == std::string::npos) return {ReferenceCount::Outcome::Value, 0};
    const std::string_view significant = std::string_view(digits).substr(first_significant);

    // The count is the significant digits times 10^shift.
    const std::int64_t shift = exponent - fraction_digits + 4;
    const auto length = static_cast<std::int64_t>(significant.size());
    std::string whole;
    bool up = false;
    if (shift >= 0) {
        if (length + shift > 20) return {ReferenceCount::Outcome::OutOfRange, 0};
        whole = std::string(significant) + std::string(static_cast<std::size_t>(shift), '0');
    } else if (length + shift >= 0) {
        const auto kept_length = static_cast<std::size_t>(length + shift);
        whole = std::string(significant.substr(0, kept_length));
        up = rounds_up(whole, significant.substr(kept_length));
    }
    if (whole.size() > 19) return {ReferenceCount::Outcome::OutOfRange, 0};

    unsigned long long magnitude = 0;
    for (const char c : whole) magnitude = magnitude * 10 + static_cast<unsigned long long>(c - '0');
    if (up) ++magnitude;

    constexpr auto kLargest = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > kLargest + (negative ? 1 : 0)) return {ReferenceCount::Outcome::OutOfRange, 0};
    if (!negative) return {ReferenceCount::Outcome::Value, static_cast<std::int64_t>(magnitude)};
    if (magnitude == kLargest + 1) return {ReferenceCount::Outcome::Value, std::numeric_limits<std::int64_t>::min()};
    return {ReferenceCount::Outcome::Value, -static_cast<std::int64_t>(magnitude)};
}

}  // namespace korvel::fuzz
