#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/fixed4.hpp"
#include "engine/powers_of_ten.hpp"

namespace korvel::engine {

// A decimal number held exactly: sign, digits and a power of ten. Sums and
// products of load texts are formed with it, so that a combined load is the
// exact decimal a user would get by hand, never a double's approximation.
class ExactDecimal {
public:
    // A text may have at most this many digits before the point and after it:
    // far beyond any load, and it bounds the size and time of every sum and product.
    static constexpr std::int64_t kDigitLimit = 1000;

    ExactDecimal() = default;  // zero

    enum class ReadFault { NotANumber, OutOfRange };
    // Reads a decimal number text in the forms Fixed4::parse accepts (blanks, sign,
    // fraction, exponent) exactly. OutOfRange: more than kDigitLimit digits before or after the point.
    static std::variant<ExactDecimal, ReadFault> read(std::string_view text);

    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
    ExactDecimal operator-() const;
    ExactDecimal& operator+=(const ExactDecimal& b) { return *this = *this + b; }

    bool is_zero() const { return digits_.empty(); }
    bool is_negative() const { return negative_; }
    // Plain decimal text with no exponent and no trailing fraction zeros: "-0.00006", "1200", "0".
    std::string text() const;

    friend bool operator==(const ExactDecimal&, const ExactDecimal&) = default;

private:
    // Digits least significant first, with no zero at either end; zero has none.
    std::vector<std::uint8_t> digits_;
    std::int64_t power_ = 0;  // the value is ±digits × 10^power_
    bool negative_ = false;

    void normalise();
};

// The exact decimal of a short text: a 64-bit coefficient times a power of ten.
// Loads and factors are nearly always short, and sums of their products are then
// formed without allocating. Where a result would not fit, an operation gives
// nothing and the caller takes ExactDecimal, so that exactness is never lost.
class SmallDecimal {
public:
    SmallDecimal() = default;  // zero

    // The value of a text that ExactDecimal::read reads, when it has at most 18
    // digits; nothing for any other text.
    static std::optional<SmallDecimal> read(std::string_view text);

    // a × b + c exactly, or nothing where that does not fit.
    friend inline std::optional<SmallDecimal> multiply_add(SmallDecimal a, SmallDecimal b, SmallDecimal c);

    bool is_zero() const { return coefficient_ == 0; }
    // The value rounded to four decimals, ties to even, as Fixed4::parse rounds
    // its text; nothing where that lies beyond 64 bits.
    std::optional<Fixed4> to_fixed4() const;
    // The text ExactDecimal::text gives for the same value.
    std::string text() const;
    // The same text written over `out`, whose buffer is reused.
    void write_text(std::string& out) const;

private:
    std::int64_t coefficient_ = 0;
    std::int64_t power_ = 0;  // the value is coefficient_ × 10^power_
};

// Inline: it is the inner step of every combined load.
inline std::optional<SmallDecimal> multiply_add(SmallDecimal a, SmallDecimal b, SmallDecimal c) {
    SmallDecimal product;
    if (__builtin_mul_overflow(a.coefficient_, b.coefficient_, &product.coefficient_)) return std::nullopt;
    if (product.is_zero()) return c;
    product.power_ = a.power_ + b.power_;
    if (c.is_zero()) return product;
    // The term with the higher power is written at the lower one.
    SmallDecimal& high = product.power_ > c.power_ ? product : c;
    const SmallDecimal& low = product.power_ > c.power_ ? c : product;
    // 10^18 is the largest power of ten a signed 64-bit coefficient holds.
    const std::int64_t shift = high.power_ - low.power_;
    if (shift > 18) return std::nullopt;
    const auto scale = static_cast<std::int64_t>(kPowersOfTen[static_cast<std::size_t>(shift)]);
    SmallDecimal sum;
    if (__builtin_mul_overflow(high.coefficient_, scale, &high.coefficient_) ||
        __builtin_add_overflow(high.coefficient_, low.coefficient_, &sum.coefficient_)) {
        return std::nullopt;
    }
    sum.power_ = sum.is_zero() ? 0 : low.power_;
    return sum;
}

}  // namespace korvel::engine
