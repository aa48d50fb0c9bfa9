#include "engine/fixed4.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/arithmetic_error.hpp"

namespace korvel::engine {
namespace {

ErrorKind error_kind_of(auto&& operation) {
    try {
        operation();
    } catch (const ArithmeticError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no ArithmeticError was raised";
    return ErrorKind::MissingSpan;
}

TEST(Fixed4Rounding, RoundsTheScaledDoubleToNearestWithTiesToEven) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5.5902 / 4, "1.3976"},  // a tie that goes up to the even digit
        {1.67705, "1.677"},      // a tie that goes down to the even digit
        {2.09625, "2.0962"},
        {-0.00005, "0"},                 // no negative zero
        {0.4636476090008061, "0.4636"},  // the slope angle
        {8.43747289072951, "8.4375"},
        {-8.43747289072951, "-8.4375"},
        {0.0, "0"},
        {-0.0, "0"},
        {123456789.0, "123456789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Fixed4::round(c.value).to_text(), c.text);
    }
}

TEST(Fixed4Rounding, AgreesWithTheLibrarysNearestInteger) {
    // Halves on both sides of zero, the edge where doubles stop having fraction
    // bits (2^52), whole values above it, and random values of every magnitude.
    std::vector<double> scaled = {0.5,
                                  1.5,
                                  2.5,
                                  -0.5,
                                  -1.5,
                                  -2.5,
                                  4503599627370495.5,
                                  -4503599627370495.5,
                                  4503599627370496.0,
                                  4503599627370497.0,
                                  9007199254740993.0,
                                  -9007199254740992.0,
                                  0.49999999999999994,
                                  -0.49999999999999994,
                                  1e18,
                                  -1e18};
    std::mt19937_64 random(52);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 17);
    for (int i = 0; i < 100000; ++i) scaled.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (const double x : scaled) {
        const double value = x / static_cast<double>(Fixed4::kScale);
        if (value * static_cast<double>(Fixed4::kScale) != x) continue;  // only values whose scaling is exact
        SCOPED_TRACE(x);
        ASSERT_EQ(Fixed4::round(value).count(), static_cast<std::int64_t>(std::nearbyint(x)));
    }
}

TEST(Fixed4Rounding, ValuesBeyondTheRangeOverflow) {
    for (const double value : {1e15, -1e15, 922337203685477.6, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(error_kind_of([&] { (void)Fixed4::round(value); }), ErrorKind::Overflow);
    }
}

TEST(Fixed4Parse, ReadsDecimalTextExactlyAndRoundsHalfEven) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1.56252710927049", "1.5625"},
        {"2.5", "2.5"},
        {"1e3", "1000"},
        {"-3", "-3"},
        {"  5  ", "5"},
        {"\t7\t", "7"},
        {"+.5", "0.5"},
        {"5.", "5"},
        {"1E-2", "0.01"},
        {"0.00005", "0"},       // tie, down to even
        {"0.00015", "0.0002"},  // tie, up to even
        {"0.000150000000001", "0.0002"},
        {"0.00025", "0.0002"},
        {"0.000250000000000000000001", "0.0003"},  // just above the tie: no trip through a double
        {"-0.00005", "0"},
        {"-0", "0"},
        {"1e-400", "0"},
        {"0e999999999999999999999", "0"},
        {"000123.4500", "123.45"},
        {"12345e-4", "1.2345"},
        {"922337203685477.5807", "922337203685477.5807"},
        {"-922337203685477.5808", "-922337203685477.5808"},
        {"92233720368547.75807e1", "922337203685477.5807"},
        {"1234567.891", "1234567.891"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Fixed4::parse(c.text).to_text(), c.expected);
    }
}

TEST(Fixed4Parse, RejectsEverythingThatIsNotADecimalNumber) {
    for (const char* text : {"",  " ", "   ",   "abc", "1,5", "inf", "nan",   "0x10", "1e",  "e5",           ".",
                             "+", "-", "1.2.3", "1 2", "--1", "1e+", "1e5.0", "5-",   "1d3", "\xef\xbc\x95", "10kN"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(error_kind_of([&] { (void)Fixed4::parse(text); }), ErrorKind::TypeMismatch);
        EXPECT_EQ(error_kind_of([&] { (void)parse_double(text); }), ErrorKind::TypeMismatch);
    }
}

TEST(Fixed4Parse, ValuesBeyondTheRangeOverflow) {
    for (const char* text : {"922337203685477.5808", "-922337203685477.58086", "1e15", "1e400", "99999999999999999999",
                             "922337203685477.58075"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(error_kind_of([&] { (void)Fixed4::parse(text); }), ErrorKind::Overflow);
    }
}

TEST(Fixed4Parse, HandlesAMegabyteOfDigitsAtOnce) {
    const std::string tiny = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(Fixed4::parse(tiny).to_text(), "0");
    const std::string tie_then_more = "0.00005" + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(Fixed4::parse(tie_then_more).to_text(), "0.0001");
    EXPECT_EQ(error_kind_of([&] { (void)Fixed4::parse(std::string(1'000'000, '9')); }), ErrorKind::Overflow);
}

TEST(Fixed4Text, HasNoTrailingZerosNoGroupSeparatorsAndNoNegativeZero) {
    const struct {
        std::int64_t count;
        const char* text;
    } cases[] = {
        {139754, "13.9754"},
        {187520, "18.752"},
        {250000, "25"},
        {-25000, "-2.5"},
        {0, "0"},
        {699, "0.0699"},
        {-1, "-0.0001"},
        {12345678910, "1234567.891"},
        {99990000, "9999"},
        {100000000, "10000"},
        {10001, "1.0001"},
        {-1230, "-0.123"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
        {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Fixed4::from_count(c.count).to_text(), c.text);
    }
}

TEST(Fixed4Arithmetic, ProductsAreExactThenRoundedHalfEven) {
    const struct {
        const char* a;
        const char* b;
        const char* product;
    } cases[] = {
        {"0.0001", "0.5", "0"},       // 0.00005: tie, down to even
        {"0.0003", "0.5", "0.0002"},  // 0.00015: tie, up to even
        {"-0.0003", "0.5", "-0.0002"},
        {"10", "1.3976", "13.976"},
        {"3.3333", "3.3333", "11.1109"},  // 11.11088889
        {"922337203685477.5807", "1", "922337203685477.5807"},
        {"-922337203685477.5808", "1", "-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " x " + c.b);
        EXPECT_EQ((Fixed4::parse(c.a) * Fixed4::parse(c.b)).to_text(), c.product);
    }
}

TEST(Fixed4Arithmetic, EveryOperationLeavingTheRangeOverflows) {
    const Fixed4 largest = Fixed4::from_count(std::numeric_limits<std::int64_t>::max());
    const Fixed4 smallest = Fixed4::from_count(std::numeric_limits<std::int64_t>::min());
    const Fixed4 one = Fixed4::from_integer(1);
    const Fixed4 big = Fixed4::parse("1e8");
    EXPECT_EQ(error_kind_of([&] { (void)(largest + one); }), ErrorKind::Overflow);
    EXPECT_EQ(error_kind_of([&] { (void)(smallest - one); }), ErrorKind::Overflow);
    EXPECT_EQ(error_kind_of([&] { (void)(-smallest); }), ErrorKind::Overflow);
    EXPECT_EQ(error_kind_of([&] { (void)(largest * 2); }), ErrorKind::Overflow);
    EXPECT_EQ(error_kind_of([&] { (void)(big * big); }), ErrorKind::Overflow);
    EXPECT_EQ(error_kind_of([&] { (void)Fixed4::from_integer(std::numeric_limits<std::int64_t>::max()); }),
              ErrorKind::Overflow);
    EXPECT_EQ((-largest).to_text(), "-922337203685477.5807");
}

TEST(Fixed4Arithmetic, DivisionByZeroIsAnError) {
    EXPECT_EQ(error_kind_of([] { (void)(1.0 / Fixed4()); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(error_kind_of([] { (void)divide(0.0, 0.0); }), ErrorKind::DivisionByZero);
    EXPECT_DOUBLE_EQ(Fixed4::from_integer(5) / 2.0, 2.5);
}

TEST(DisplayPaths, TextRoundedDisplayGoesThroughFifteenSignificantDigits) {
    const double class2_span10 = 1.3976 / std::cos(0.4636);
    EXPECT_EQ(fifteen_digit_text(class2_span10), "1.56252710927049e+00");
    EXPECT_EQ(text_rounded(class2_span10).to_text(), "1.5625");
    // Fifteen digits turn these into exact ties, which then go to the even digit.
    EXPECT_EQ(text_rounded(1.00005).to_text(), "1");
    EXPECT_EQ(text_rounded(1.00015).to_text(), "1.0002");
    EXPECT_EQ(text_rounded(-1.00005).to_text(), "-1");
    EXPECT_EQ(Fixed4::round(8.43747289072951).to_text(), "8.4375");
}

TEST(ParseDouble, ReadsTheNearestDoubleWhateverTheLocale) {
    EXPECT_EQ(parse_double("16"), 16.0);
    EXPECT_EQ(parse_double(" -10 "), -10.0);
    EXPECT_EQ(parse_double(".5"), 0.5);
    EXPECT_EQ(parse_double("5."), 5.0);
    EXPECT_EQ(parse_double("+1.5E2"), 150.0);
    EXPECT_EQ(parse_double("0.1"), 0.1);
    EXPECT_EQ(parse_double("1e-400"), 0.0);
    EXPECT_EQ(error_kind_of([] { (void)parse_double("1e400"); }), ErrorKind::Overflow);
}

TEST(ParseDouble, PlainDecimalsReadAsTheGeneralRoadReadsThem) {
    // A plain decimal of up to 19 digits takes a road of its own; with "e0" after
    // it, the same number takes the general one. Both give the same bits.
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 20000; ++i) {
        const auto digit_count = static_cast<int>(1 + random() % 19);
        const auto point = static_cast<int>(random() % static_cast<std::uint64_t>(digit_count + 2));
        std::string text = random() % 2 == 0 ? "-" : "";
        for (int digit = 0; digit < digit_count; ++digit) {
            if (digit == point) text += '.';
            // Runs of zeros and nines now and then, where rounding is closest.
            const std::uint64_t draw = random() % 12;
            text += static_cast<char>(draw >= 10 ? (i % 2 == 0 ? '0' : '9') : '0' + static_cast<char>(draw));
        }
        if (point == digit_count) text += '.';
        SCOPED_TRACE(text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(parse_double(text)),
                  std::bit_cast<std::uint64_t>(parse_double(text + "e0")));
    }
}

}  // namespace
}  // namespace korvel::engine
