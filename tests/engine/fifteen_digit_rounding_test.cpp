#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "engine/arithmetic_error.hpp"
#include "engine/fixed4.hpp"

namespace korvel::engine {
namespace {

// The road the length texts are defined by: write 15 significant digits, read them back.
Fixed4 through_the_text(double x) { return Fixed4::parse(fifteen_digit_text(x)); }

TEST(FifteenDigitRounding, RoundsTwiceTiesToEven) {
    const struct {
        double x;
        const char* shown;
    } cases[] = {
        {1234567890123.125, "1234567890123.12"},  // a tie at the 15th digit goes to the even digit 2
        {1234567890123.375, "1234567890123.38"},  // ... and from the odd 7 up to 8
        {-1234567890123.375, "-1234567890123.38"},
        {1.00005, "1"},  // 1.00005000000000 is a tie at the 4th decimal: to even
        {1.00015, "1.0002"},
        {9.9999999999999995, "10"},  // the 15 digits carry into a 16th
        {0.00015, "0.0002"},
        {0.00005, "0"},  // below the shortcut's range: 5.00000000000000e-05, a tie, to even
        {1.5625271092704913, "1.5625"},
        {9999999999999.99, "9999999999999.99"},   // the shortcut's upper end
        {123456789012345.67, "123456789012346"},  // beyond it, through the text
        {0.0, "0"},
        {-0.0, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(text_rounded(c.x).to_text(), c.shown);
        EXPECT_EQ(through_the_text(c.x).to_text(), c.shown);
    }
}

TEST(FifteenDigitRounding, NotANumberIsStillRefusedAsText) {
    for (const double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW((void)text_rounded(x), ArithmeticError);
    }
}

TEST(FifteenDigitRounding, MatchesTheTextAtEveryMagnitude) {
    // Every power of ten in and around the shortcut's range, its neighbours, and
    // random values of every magnitude and sign a Fixed4 holds.
    std::mt19937_64 random(20260408);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 13);
    for (int e = -7; e <= 14; ++e) {
        const double power = std::pow(10.0, e);
        for (const double x : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300)}) {
            SCOPED_TRACE(x);
            EXPECT_EQ(text_rounded(x), through_the_text(x));
            EXPECT_EQ(text_rounded(-x), through_the_text(-x));
        }
    }
    for (int i = 0; i < 200000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1);
        ASSERT_EQ(text_rounded(x), through_the_text(x)) << fifteen_digit_text(x);
    }
}

TEST(FifteenDigitRounding, MatchesTheTextOnDecimalHalves) {
    // Values near the decimal ties of the second rounding: n + k/10000 + 1/20000.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> count(0, 99'999'999'999'999);
    for (int i = 0; i < 100000; ++i) {
        const double x = (static_cast<double>(count(random)) + 0.5) / 10000.0;
        ASSERT_EQ(text_rounded(x), through_the_text(x)) << fifteen_digit_text(x);
    }
}

}  // namespace
}  // namespace korvel::engine
