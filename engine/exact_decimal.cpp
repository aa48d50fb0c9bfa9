#include "engine/exact_decimal.hpp"

#include <algorithm>

#include "engine/decimal_text.hpp"

namespace korvel::engine {
namespace {

using Digits = std::vector<std::uint8_t>;

// The digits of `value` shifted up by `shift` places, least significant first.
Digits shifted(const Digits& value, std::int64_t shift) {
    Digits out(static_cast<std::size_t>(shift), 0);
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

int compare_magnitudes(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

Digits add_magnitudes(const Digits& a, const Digits& b) {
    Digits out(std::max(a.size(), b.size()) + 1, 0);
    int carry = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int sum = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0) + carry;
        out[i] = static_cast<std::uint8_t>(sum % 10);
        carry = sum / 10;
    }
    return out;
}

// larger - smaller, where larger's magnitude is the greater.
Digits subtract_magnitudes(const Digits& larger, const Digits& smaller) {
    Digits out(larger.size(), 0);
    int borrow = 0;
    for (std::size_t i = 0; i < larger.size(); ++i) {
        int difference = larger[i] - (i < smaller.size() ? smaller[i] : 0) - borrow;
        borrow = difference < 0 ? 1 : 0;
        out[i] = static_cast<std::uint8_t>(difference + 10 * borrow);
    }
    return out;
}

}  // namespace

void ExactDecimal::normalise() {
    while (!digits_.empty() && digits_.back() == 0) digits_.pop_back();
    const auto first_nonzero = std::find_if(digits_.begin(), digits_.end(), [](std::uint8_t d) { return d != 0; });
    power_ += first_nonzero - digits_.begin();
    digits_.erase(digits_.begin(), first_nonzero);
    if (digits_.empty()) {
        power_ = 0;
        negative_ = false;
    }
}

std::variant<ExactDecimal, ExactDecimal::ReadFault> ExactDecimal::read(std::string_view text) {
    const std::optional<DecimalText> parsed = read_decimal_text(text);
    if (!parsed) return ReadFault::NotANumber;
    ExactDecimal value;
    if (parsed->is_zero()) return value;
    const auto count = static_cast<std::int64_t>(parsed->digit_count());
    // The power is clamped far beyond the limit, so these bounds hold for every text.
    if (parsed->power < -kDigitLimit || parsed->power + count > kDigitLimit) return ReadFault::OutOfRange;
    value.digits_.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < value.digits_.size(); ++i) {
        value.digits_[value.digits_.size() - 1 - i] = static_cast<std::uint8_t>(parsed->digit(i));
    }
    value.power_ = parsed->power;
    value.negative_ = parsed->negative;
    value.normalise();
    return value;
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b) {
    if (a.is_zero()) return b;
    if (b.is_zero()) return a;
    const std::int64_t power = std::min(a.power_, b.power_);
    const Digits x = shifted(a.digits_, a.power_ - power);
    const Digits y = shifted(b.digits_, b.power_ - power);
    ExactDecimal sum;
    sum.power_ = power;
    if (a.negative_ == b.negative_) {
        sum.digits_ = add_magnitudes(x, y);
        sum.negative_ = a.negative_;
    } else if (compare_magnitudes(x, y) >= 0) {
        sum.digits_ = subtract_magnitudes(x, y);
        sum.negative_ = a.negative_;
    } else {
        sum.digits_ = subtract_magnitudes(y, x);
        sum.negative_ = b.negative_;
    }
    sum.normalise();
    return sum;
}

ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b) {
    ExactDecimal product;
    if (a.is_zero() || b.is_zero()) return product;
    // Each column gathers at most 81 per digit pair; long operands could exceed
    // 32 bits, so the columns are 64-bit.
    std::vector<std::uint64_t> columns(a.digits_.size() + b.digits_.size(), 0);
    for (std::size_t i = 0; i < a.digits_.size(); ++i) {
        for (std::size_t j = 0; j < b.digits_.size(); ++j) columns[i + j] += std::uint64_t{a.digits_[i]} * b.digits_[j];
    }
    product.digits_.resize(columns.size());
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::uint64_t column = columns[i] + carry;
        product.digits_[i] = static_cast<std::uint8_t>(column % 10);
        carry = column / 10;
    }
    product.power_ = a.power_ + b.power_;
    product.negative_ = a.negative_ != b.negative_;
    product.normalise();
    return product;
}

ExactDecimal ExactDecimal::operator-() const {
    ExactDecimal negated = *this;
    if (!is_zero()) negated.negative_ = !negative_;
    return negated;
}

std::string ExactDecimal::text() const {
    if (is_zero()) return "0";
    std::string out = negative_ ? "-" : "";
    const auto count = static_cast<std::int64_t>(digits_.size());
    const auto digit_at = [&](std::int64_t i) { return static_cast<char>('0' + digits_[static_cast<std::size_t>(i)]); };
    if (power_ >= 0) {
        for (std::int64_t i = count; i-- > 0;) out += digit_at(i);
        out.append(static_cast<std::size_t>(power_), '0');
        return out;
    }
    const std::int64_t fraction = -power_;
    if (count > fraction) {
        for (std::int64_t i = count; i-- > fraction;) out += digit_at(i);
    } else {
        out += '0';
    }
    out += '.';
    out.append(static_cast<std::size_t>(std::max<std::int64_t>(0, fraction - count)), '0');
    for (std::int64_t i = std::min(count, fraction); i-- > 0;) out += digit_at(i);
    return out;
}

std::optional<SmallDecimal> SmallDecimal::read(std::string_view text) {
    // 18 digits always fit a signed 64-bit coefficient.
    constexpr std::size_t kMaxDigits = 18;
    const std::optional<DecimalText> parsed = read_decimal_text(text);
    if (!parsed) return std::nullopt;
    SmallDecimal value;
    if (parsed->is_zero()) return value;
    const std::size_t count = parsed->digit_count();
    const auto limit = ExactDecimal::kDigitLimit;
    if (count > kMaxDigits || parsed->power < -limit || parsed->power + static_cast<std::int64_t>(count) > limit) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < count; ++i) value.coefficient_ = value.coefficient_ * 10 + parsed->digit(i);
    if (parsed->negative) value.coefficient_ = -value.coefficient_;
    value.power_ = parsed->power;
    return value;
}

std::optional<Fixed4> SmallDecimal::to_fixed4() const {
    constexpr std::int64_t kDecimals = 4;
    constexpr std::int64_t kLargestShift = 18;  // 10^18 fits a signed 64-bit count
    if (power_ >= -kDecimals) {
        const std::int64_t shift = power_ + kDecimals;
        std::int64_t count = 0;
        if (shift > kLargestShift ||
            __builtin_mul_overflow(coefficient_,
                                   static_cast<std::int64_t>(kPowersOfTen[static_cast<std::size_t>(shift)]), &count)) {
            return std::nullopt;
        }
        return Fixed4::from_count(count);
    }
    const std::int64_t shift = -kDecimals - power_;
    if (shift > kLargestShift) return std::nullopt;
    const auto divisor = static_cast<std::int64_t>(kPowersOfTen[static_cast<std::size_t>(shift)]);
    std::int64_t count = coefficient_ / divisor;
    const std::int64_t rest = coefficient_ % divisor;
    const std::int64_t twice_rest = 2 * (rest < 0 ? -rest : rest);  // below 2 × 10^18
    if (twice_rest > divisor || (twice_rest == divisor && count % 2 != 0)) count += coefficient_ < 0 ? -1 : 1;
    return Fixed4::from_count(count);
}

std::string SmallDecimal::text() const {
    std::string out;
    write_text(out);
    return out;
}

void SmallDecimal::write_text(std::string& out) const {
    if (is_zero()) {
        out.assign(1, '0');
        return;
    }
    std::uint64_t magnitude =
        coefficient_ < 0 ? 0 - static_cast<std::uint64_t>(coefficient_) : static_cast<std::uint64_t>(coefficient_);
    std::int64_t power = power_;
    while (power < 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        ++power;
    }
    char digits[20];  // least significant first
    std::size_t count = 0;
    for (; magnitude != 0; magnitude /= 10) digits[count++] = static_cast<char>('0' + magnitude % 10);

    // The text is sized once and filled in place: most fit the string's own buffer.
    const std::size_t fraction = power < 0 ? static_cast<std::size_t>(-power) : 0;
    const std::size_t integer =
        power >= 0 ? count + static_cast<std::size_t>(power) : std::max<std::size_t>(count, fraction + 1) - fraction;
    const bool negative = coefficient_ < 0;
    out.assign(negative + integer + (fraction > 0 ? 1 + fraction : 0), '0');
    char* at = out.data() + out.size();
    std::size_t i = 0;
    if (power > 0) at -= power;  // the zeros after the digits stand already
    for (std::size_t place = 0; place < fraction; ++place) *--at = i < count ? digits[i++] : '0';
    if (fraction > 0) *--at = '.';
    while (i < count) *--at = digits[i++];
    if (negative) out.front() = '-';
}

}  // namespace korvel::engine
