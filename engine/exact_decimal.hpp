#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

}  // namespace korvel::engine
