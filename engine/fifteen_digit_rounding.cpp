#include "engine/fifteen_digit_rounding.hpp"

#include <array>
#include <bit>
#include <cstdint>

#include "engine/powers_of_ten.hpp"

namespace korvel::engine {
namespace {

__extension__ typedef unsigned __int128 UnsignedWide;

constexpr std::uint64_t kFifteenDigits = kPowersOfTen[15];
constexpr int kFractionBits = 52;
constexpr int kExponentBias = 1023;

// Rounds value / 2^shift to the nearest integer, ties to even (0 < shift < 128).
std::uint64_t shift_right_half_even(UnsignedWide value, int shift) {
    const UnsignedWide quotient = value >> shift;
    const UnsignedWide remainder = value - (quotient << shift);
    const UnsignedWide half = UnsignedWide{1} << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    return static_cast<std::uint64_t>(quotient) + (up ? 1 : 0);
}

std::uint64_t divide_half_even(std::uint64_t value, std::uint64_t divisor) {
    const std::uint64_t quotient = value / divisor;
    const std::uint64_t remainder = value % divisor;
    const std::uint64_t half = divisor / 2;
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    return quotient + (up ? 1 : 0);
}

}  // namespace

std::optional<Fixed4> fifteen_digit_fixed4(double x) {
    const double magnitude = x < 0 ? -x : x;
    if (!(magnitude >= 1e-4 && magnitude < 1e13)) return std::nullopt;

    // magnitude = mantissa / 2^shift exactly; a normal double, as magnitude >= 1e-4.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased_exponent = static_cast<int>(bits >> kFractionBits);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << kFractionBits) - 1)) | (std::uint64_t{1} << kFractionBits);
    const int shift = kExponentBias + kFractionBits - biased_exponent;  // 9..66 in this range

    // The decimal exponent e with 10^e <= magnitude < 10^(e+1): first its estimate
    // floor(log10(2^binary exponent)), which is e or e - 1.
    const int binary_exponent = biased_exponent - kExponentBias;
    int decimal_exponent = (binary_exponent * 78913) >> 18;
    // floor(magnitude * 10^(14 - e)) has exactly 15 digits once e is right.
    const auto scaled = [&](int e) { return UnsignedWide{mantissa} * kPowersOfTen[static_cast<std::size_t>(14 - e)]; };
    if ((scaled(decimal_exponent) >> shift) >= kFifteenDigits) ++decimal_exponent;

    // The 15 significant digits (10^15 when rounding carries into a 16th).
    const std::uint64_t digits = shift_right_half_even(scaled(decimal_exponent), shift);
    // Their value is digits * 10^(e - 14); as a count of ten-thousandths, digits * 10^(e - 10).
    const std::uint64_t count =
        decimal_exponent >= 10
            ? digits * kPowersOfTen[static_cast<std::size_t>(decimal_exponent - 10)]
            : divide_half_even(digits, kPowersOfTen[static_cast<std::size_t>(10 - decimal_exponent)]);
    const auto signed_count = static_cast<std::int64_t>(count);
    return Fixed4::from_count(x < 0 ? -signed_count : signed_count);
}

}  // namespace korvel::engine
