// The formulas of the working are evaluated with the analysis's own typing rules, so a
// printed formula reproduces the program's digits, not those of exact arithmetic.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "engine/arithmetic_error.hpp"
#include "engine/working_formula.hpp"

namespace korvel::engine {
namespace {

constexpr std::array<std::string_view, 4> kNames{"a", "b", "x", "cos 2θ"};
const Fixed4 a = Fixed4::parse("1.3976");
const Fixed4 b = Fixed4::parse("-2.0001");
const double x = 0.4471710152738901;
const double c = 0.6001;
const std::array<Number, 4> kValues{a, b, x, c};

struct TypingCase {
    std::string_view formula;
    std::function<Number()> expected;
};

TEST(WorkingFormula, EvaluatesWithTheAnalysisTypingRules) {
    const TypingCase cases[] = {
        {"a × b", [] { return Number(a * b); }},  // a rounded Fixed4 product
        {"a × 3 × b", [] { return Number(a * 3 * b); }},
        {"a × b × x", [] { return Number(a * b * x); }},
        {"a × x × b", [] { return Number(a * x * b); }},
        {"a − b − x", [] { return Number(a - b - x); }},
        {"(−b) × cos 2θ − a", [] { return Number((-b) * c - a); }},
        {"−(a × x) − b × x", [] { return Number(-(a * x) - b * x); }},
        {"a × 2 / x", [] { return Number(a * 2 / x); }},
        {"[a × 3 × x] − b", [] { return Number(Fixed4::round(a * 3 * x) - b); }},
        {"[√(a² + (b / 2)²)]",
         [] {
             const double h = a.to_double(), half = b.to_double() / 2;
             return Number(Fixed4::round(std::sqrt(h * h + half * half)));
         }},
        {"[|x|] × 0.5", [] { return Number(Fixed4::round(std::fabs(x)) * 0.5); }},
        {"sin(x) × cos(a) + arctan(0.5)",
         [] { return Number(std::sin(x) * std::cos(a.to_double()) + std::atan(0.5)); }},
    };
    for (const TypingCase& test : cases) {
        const Number got = Formula(test.formula, kNames).evaluate(kValues);
        const Number want = test.expected();
        EXPECT_EQ(got.index(), want.index()) << test.formula;
        EXPECT_EQ(number_text(got), number_text(want)) << test.formula;
    }
}

TEST(WorkingFormula, SubstitutesValuesAndBracketsNegativeOnes) {
    const Formula f("(−b) × cos 2θ − a", kNames);
    EXPECT_EQ(f.substituted(kValues), "(−(-2.0001)) × 0.6001 − 1.3976");
    EXPECT_EQ(f.symbols_used(), (std::vector<std::size_t>{1, 3, 0}));
}

TEST(WorkingFormula, SplitsTheOutermostSumIntoSignedTerms) {
    const auto terms = Formula("−a × x − b × (x − a) + [a − x] + |b − a|", kNames).terms();
    ASSERT_EQ(terms.size(), 4U);
    EXPECT_EQ(terms[0].text, "−a × x");
    EXPECT_FALSE(terms[0].subtracted);
    EXPECT_EQ(terms[1].text, "b × (x − a)");
    EXPECT_TRUE(terms[1].subtracted);
    EXPECT_EQ(terms[2].text, "[a − x]");
    EXPECT_EQ(terms[3].text, "|b − a|");
    EXPECT_FALSE(terms[3].subtracted);
}

TEST(WorkingFormula, RefusesTextsThatAreNotFormulas) {
    for (const std::string_view text : {"a × y", "a ×", "(a − b", "sin a", "a b", ""}) {
        EXPECT_THROW(Formula(text, kNames), std::invalid_argument) << text;
    }
}

TEST(WorkingFormula, FailsLikeTheAnalysisOnAZeroDivisor) {
    const std::array<Number, 4> zero_b{a, Fixed4(), x, c};
    EXPECT_THROW(Formula("a / b", kNames).evaluate(zero_b), ArithmeticError);
}

TEST(WorkingFormula, NumberTextsReadBackAsTheSameValue) {
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        const double d = spread(random) / static_cast<double>(1 + i % 97);
        const Number fixed = Fixed4::round(d);
        EXPECT_EQ(std::get<double>(read_number(number_text(d), 0.0)), d);
        EXPECT_EQ(std::get<Fixed4>(read_number(number_text(fixed), fixed)), std::get<Fixed4>(fixed));
    }
    EXPECT_TRUE(std::signbit(std::get<double>(read_number(number_text(-0.0), 0.0))));
}

// A student's numbers: six significant digits, never an exponent, a rounding residue as
// "≈ 0"; four-decimal values and integers exact; full precision as before.
TEST(WorkingFormula, WritesNumbersAsAStudentDoes) {
    const struct {
        Number value;
        const char* readable;
    } cases[] = {
        {35.0000265654593, "35"},
        {-5.329070518200751e-15, "≈ 0"},
        {9.9e-11, "≈ 0"},
        {1.01e-10, "0.000000000101"},
        {0.4471710152738901, "0.447171"},
        {-0.000925631448, "-0.000925631"},
        {999999.7, "1000000"},
        {12345678.9, "12345679"},
        {-0.0, "0"},
        {Fixed4::parse("-11.1814"), "-11.1814"},
        {Fixed4::parse("123456.7891"), "123456.7891"},
        {std::int64_t{2}, "2"},
    };
    for (const auto& number : cases) {
        EXPECT_EQ(number_text(number.value, Precision::Readable), number.readable) << number_text(number.value);
        EXPECT_EQ(number_text(number.value, Precision::Full), number_text(number.value));
    }
}

}  // namespace
}  // namespace korvel::engine
