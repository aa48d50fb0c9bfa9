#include <gtest/gtest.h>

#include <string>

#include "engine/exact_decimal.hpp"

namespace korvel::engine {
namespace {

ExactDecimal read(const std::string& text) {
    auto read = ExactDecimal::read(text);
    if (!std::holds_alternative<ExactDecimal>(read)) throw std::invalid_argument("not a number: " + text);
    return std::get<ExactDecimal>(read);
}

struct Operation {
    std::string a;
    char op;
    std::string b;
    std::string result;
};

class ExactArithmetic : public testing::TestWithParam<Operation> {};

TEST_P(ExactArithmetic, GivesTheExactDecimalText) {
    const Operation& o = GetParam();
    const ExactDecimal result = o.op == '*' ? read(o.a) * read(o.b) : read(o.a) + read(o.b);
    EXPECT_EQ(result.text(), o.result);
    // The text reads back as the same value.
    EXPECT_EQ(read(result.text()), result);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExactArithmetic,
    testing::Values(Operation{"1.2", '*', "0.00005", "0.00006"}, Operation{"0.1", '+', "0.2", "0.3"},
                    Operation{"-1.5", '*', "2", "-3"}, Operation{"-0.9", '*', "-1.9", "1.71"},
                    Operation{"1.5", '+', "-1.5", "0"}, Operation{"-0", '*', "5", "0"},
                    Operation{"1e3", '*', "0.25", "250"}, Operation{" +2.50 ", '+', "1E-3", "2.501"},
                    Operation{"100", '+', "-0.001", "99.999"}, Operation{"-100", '+', "0.001", "-99.999"},
                    Operation{"0.001", '+', "-100", "-99.999"}, Operation{"999.999", '+', "0.001", "1000"},
                    Operation{"123456789012345678901234567890", '*', "1.6", "197530862419753086241975308624"},
                    Operation{"123456789012345678901234567890", '+', "0.000000000000000000000000000001",
                              "123456789012345678901234567890.000000000000000000000000000001"},
                    Operation{"99999999999999999999", '*', "99999999999999999999",
                              "9999999999999999999800000000000000000001"},
                    Operation{"14.4", '*', "0.0625", "0.9"}, Operation{"3", '*', "0.015625", "0.046875"}));

TEST(ExactDecimalRead, TellsTextsThatAreNotNumbersFromNumbersOutOfRange) {
    using Fault = ExactDecimal::ReadFault;
    const std::string thousand_digits(1000, '7');
    const struct {
        std::string text;
        std::variant<std::string, Fault> read;
    } cases[] = {
        {"", Fault::NotANumber},
        {"abc", Fault::NotANumber},
        {"1,5", Fault::NotANumber},
        {"1e", Fault::NotANumber},
        {thousand_digits, thousand_digits},
        {"0." + std::string(999, '0') + "1", "0." + std::string(999, '0') + "1"},
        {thousand_digits + "1", Fault::OutOfRange},
        {"1e1000", Fault::OutOfRange},
        {"1e999", "1" + std::string(999, '0')},
        {"1e-1001", Fault::OutOfRange},
        {"1e-99999999999999999999", Fault::OutOfRange},
        {"0e99999999999", "0"},
    };
    for (const auto& c : cases) {
        const auto read = ExactDecimal::read(c.text);
        if (const auto* fault = std::get_if<Fault>(&c.read)) {
            ASSERT_TRUE(std::holds_alternative<Fault>(read)) << c.text;
            EXPECT_EQ(std::get<Fault>(read), *fault) << c.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<ExactDecimal>(read)) << c.text;
            EXPECT_EQ(std::get<ExactDecimal>(read).text(), std::get<std::string>(c.read));
        }
    }
}

// The 64-bit road gives the general road's text wherever it fits, and gives up
// (for the general road to take over) exactly where its digits would not fit.
TEST(SmallDecimal, AgreesWithExactDecimalAndGivesUpBeyond64Bits) {
    const std::string eighteen = "999999999999999999";
    const struct {
        std::string a, b, c;  // a × b + c
        bool fits;
    } cases[] = {
        {"1.2", "0.00005", "0", true},
        {"-1.5", "0.95", "-1.9e0", true},
        {"0.9", "-1.9", "1.71", true},  // a sum of zero
        {"1e3", " +2.50 ", "1E-3", true},
        {"-0", "5", "7", true},
        {"1e-1000", "1e-1000", "0", true},
        {"1e999", "1", "-1", false},  // 999 places apart
        {"1", "1", "1e-18", true},
        {"1", "1", "1e-19", false},  // 10^19 does not fit
        {eighteen, "9", "0", true},
        {eighteen, "10", "0", false},
        {eighteen, "9", eighteen, false},
        {"-" + eighteen, "9", "-" + eighteen, false},
        {"4611686018427387904", "1", "0", false},    // 19 digits are never read short
        {"0.25", "4", "922337203685477580", false},  // aligned to the product's places, it outgrows 64 bits
        {"0.25", "4", "9223372036854775.8", true},
    };
    for (const auto& c : cases) {
        const auto a = SmallDecimal::read(c.a);
        const auto b = SmallDecimal::read(c.b);
        const auto addend = SmallDecimal::read(c.c);
        const std::optional<SmallDecimal> small =
            a && b && addend ? multiply_add(*a, *b, *addend) : std::optional<SmallDecimal>();
        ASSERT_EQ(small.has_value(), c.fits) << c.a << " * " << c.b << " + " << c.c;
        if (small) {
            EXPECT_EQ(small->text(), (read(c.a) * read(c.b) + read(c.c)).text()) << c.a;
        }
    }
    // A text that does not read as a number reads short neither.
    for (const char* text : {"", "1,5", "1e", "1e1001"}) EXPECT_FALSE(SmallDecimal::read(text)) << text;
}

}  // namespace
}  // namespace korvel::engine
