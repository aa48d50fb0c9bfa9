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

}  // namespace
}  // namespace korvel::engine
