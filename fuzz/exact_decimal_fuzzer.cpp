// Fuzz target for the exact decimal arithmetic of combined loads. The input is
// split at its first line break into two texts. Each must read, or be refused,
// without a crash; where both are plain decimals (an optional minus, digits, an
// optional point and digits), their text, sum and product must be what a slow
// reference working on digit strings gives.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/exact_decimal.hpp"
#include "fuzz/fuzz_check.hpp"

namespace {

using korvel::engine::ExactDecimal;
using korvel::fuzz::fail;

// A decimal as a sign, the digits of its coefficient (most significant first)
// and how many of them are after the point. Slow on purpose: sums digit by
// digit, products by repeated sums, nothing shared with the engine.
struct Reference {
    bool negative = false;
    std::string digits = "0";
    std::size_t fraction = 0;
};

std::optional<Reference> reference_of(std::string_view text) {
    Reference r;
    if (text.starts_with('-')) {
        r.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view part = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto all_digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !all_digits(whole) || !all_digits(part)) return std::nullopt;
    if (point != std::string_view::npos && part.empty()) return std::nullopt;
    r.digits = std::string(whole) + std::string(part);
    r.fraction = part.size();
    return r;
}

std::string without_leading_zeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

int compare_magnitudes(const std::string& a, const std::string& b) {
    const std::string x = without_leading_zeros(a), y = without_leading_zeros(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}

std::string add_magnitudes(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        sum += static_cast<char>('0' + (x + y + carry) % 10);
        carry = (x + y + carry) / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return without_leading_zeros(sum);
}

// a - b for a >= b.
std::string subtract_magnitudes(const std::string& a, const std::string& b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int x = a[a.size() - 1 - i] - '0' - borrow;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        borrow = x < y ? 1 : 0;
        x += borrow * 10;
        difference += static_cast<char>('0' + x - y);
    }
    std::reverse(difference.begin(), difference.end());
    return without_leading_zeros(difference);
}

Reference at_fraction(Reference r, std::size_t fraction) {
    r.digits += std::string(fraction - r.fraction, '0');
    r.fraction = fraction;
    return r;
}

Reference sum(const Reference& a, const Reference& b) {
    const std::size_t fraction = std::max(a.fraction, b.fraction);
    const Reference x = at_fraction(a, fraction), y = at_fraction(b, fraction);
    Reference s;
    s.fraction = fraction;
    if (x.negative == y.negative) {
        s.negative = x.negative;
        s.digits = add_magnitudes(x.digits, y.digits);
    } else if (compare_magnitudes(x.digits, y.digits) >= 0) {
        s.negative = x.negative;
        s.digits = subtract_magnitudes(x.digits, y.digits);
    } else {
        s.negative = y.negative;
        s.digits = subtract_magnitudes(y.digits, x.digits);
    }
    return s;
}

Reference product(const Reference& a, const Reference& b) {
    Reference p;
    p.negative = a.negative != b.negative;
    p.fraction = a.fraction + b.fraction;
    std::string shifted = without_leading_zeros(a.digits);
    for (std::size_t i = b.digits.size(); i-- > 0;) {
        for (int times = b.digits[i] - '0'; times > 0; --times) p.digits = add_magnitudes(p.digits, shifted);
        shifted += '0';
    }
    return p;
}

// The text ExactDecimal gives: no exponent, no trailing fraction zeros, no "-0".
std::string text_of(const Reference& r) {
    std::string digits = r.digits;
    if (digits.size() <= r.fraction) digits.insert(0, r.fraction - digits.size() + 1, '0');
    std::string whole = without_leading_zeros(digits.substr(0, digits.size() - r.fraction));
    std::string part = digits.substr(digits.size() - r.fraction);
    part.erase(part.find_last_not_of('0') + 1);
    if (part.find_first_not_of('0') == std::string::npos) part.clear();
    const bool zero = whole == "0" && part.empty();
    return (r.negative && !zero ? "-" : "") + whole + (part.empty() ? "" : "." + part);
}

std::optional<ExactDecimal> read(std::string_view text, std::string_view data) {
    try {
        auto read = ExactDecimal::read(text);
        if (auto* value = std::get_if<ExactDecimal>(&read)) return *value;
        return std::nullopt;
    } catch (...) {
        fail("reading a text threw", data);
    }
}

void check(std::string_view what, const ExactDecimal& value, const Reference& reference, std::string_view data) {
    const std::string expected = text_of(reference);
    if (value.text() != expected) fail(std::string(what) + " is " + value.text() + ", not " + expected, data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const std::size_t cut = data.find('\n');
    const std::string_view first = data.substr(0, cut);
    const std::string_view second = cut == std::string_view::npos ? std::string_view() : data.substr(cut + 1);
    const std::optional<ExactDecimal> a = read(first, data);
    const std::optional<ExactDecimal> b = read(second, data);
    // A text reads back as the value it came from.
    for (const auto& value : {a, b}) {
        if (value && read(value->text(), data) != value) fail("a value's text does not read back as it", data);
    }
    // Within the digit limit a plain decimal always reads.
    constexpr std::size_t kPlainLimit = ExactDecimal::kDigitLimit;
    const auto ra = first.size() <= kPlainLimit ? reference_of(first) : std::nullopt;
    const auto rb = second.size() <= kPlainLimit ? reference_of(second) : std::nullopt;
    if (ra && !a) fail("a plain decimal was refused", data);
    if (rb && !b) fail("a plain decimal was refused", data);
    if (!ra || !rb) return 0;
    check("the first text", *a, *ra, data);
    check("the second text", *b, *rb, data);
    check("the sum", *a + *b, sum(*ra, *rb), data);
    check("the product", *a * *b, product(*ra, *rb), data);
    check("the difference", *a + -*b, sum(*ra, Reference{!rb->negative, rb->digits, rb->fraction}), data);
    return 0;
}
