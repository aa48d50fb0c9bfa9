#include <gtest/gtest.h>

#include <string>

#include "analysis_test_support.hpp"

namespace korvel::engine {
namespace {

using testing::Loads;
using testing::make_input;

AnalysisError error_of(const AnalysisInput& input) {
    AnalysisOutcome outcome = run_analysis(input);
    if (auto* error = std::get_if<AnalysisError>(&outcome)) return *error;
    ADD_FAILURE() << "the run succeeded";
    return {};
}

// Every vertical load set to the same text, one of them (`key`) to another.
AnalysisInput every_vertical_load(const std::string& span, const std::string& text, const char* key,
                                  const std::string& other) {
    AnalysisInput input = make_input(span);
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        if (kLoadMap[i].component == Component::Vertical) input.loads[i] = text;
    }
    input.loads[*load_index_by_key(key)] = other;
    return input;
}

struct OverflowCase {
    const char* name;
    AnalysisInput input;
    const char* input_key;
    const char* text;
    const char* message;
};

TEST(OverflowMessages, NameTheInputToChange) {
    const OverflowCase cases[] = {
        {"a load that reads but cannot be computed", make_input("16", {{"U4.V", "900000000000000"}}), "U4.V",
         "900000000000000",
         "The vertical load at U4 is too large to compute: \"900000000000000\". Enter a smaller load."},
        {"the same load in exponent form", make_input("16", {{"U4.V", "9e14"}}), "U4.V", "9e14",
         "The vertical load at U4 is too large to compute: \"9e14\". Enter a smaller load."},
        {"a negative load", make_input("16", {{"U1.H", "-900000000000000"}}), "U1.H", "-900000000000000",
         "The horizontal load at U1 is too large to compute: \"-900000000000000\". Enter a smaller load."},
        {"a load beyond what can be read", make_input("10", {{"U4.V", "1e15"}}), "U4.V", "1e15",
         "The vertical load at U4 is too large: \"1e15\". Enter a smaller load."},
        {"a span beyond what can be read", make_input("1e15"), "span", "1e15",
         "The span is too large: \"1e15\". Enter a span below 922337203685477."},
        {"a span beyond a double", make_input("1e400"), "span", "1e400",
         "The span is too large: \"1e400\". Enter a span below 922337203685477."},
        {"a huge span with a small load", make_input("100000000000000", {{"U4.V", "100"}}), "span", "100000000000000",
         "The span and the loads are too large to compute together: a span of \"100000000000000\" with these "
         "loads. Enter a smaller span or smaller loads."},
        {"many large loads on a unit span", every_vertical_load("1", "100000000000000", "U2.V", "200000000000000"),
         "U2.V", "200000000000000",
         "The loads are too large to compute together; the largest is the vertical load at U2: "
         "\"200000000000000\". Enter smaller loads."},
        {"many large loads, the largest negative",
         every_vertical_load("0.5", "100000000000000", "L5.V", "-300000000000000"), "L5.V", "-300000000000000",
         "The loads are too large to compute together; the largest is the vertical load at L5: "
         "\"-300000000000000\". Enter smaller loads."},
        {"many loads on a span too large for them", every_vertical_load("1000000", "1000000000", "U4.V", "2000000000"),
         "span", "1000000",
         "The span and the loads are too large to compute together: a span of \"1000000\" with these loads. "
         "Enter a smaller span or smaller loads."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisError error = error_of(c.input);
        EXPECT_EQ(error.kind, ErrorKind::Overflow);
        EXPECT_EQ(error.input_key(), c.input_key);
        EXPECT_EQ(error.text, c.text);
        EXPECT_EQ(error.message(), c.message);
    }
}

TEST(OverflowMessages, TheSpanLimitTheyStateHolds) {
    // Every span below the stated limit computes on its own, and the limit itself is the first that fails.
    const struct {
        const char* span;
        bool computes;
    } cases[] = {
        {"922337203685476.9999", true},
        {"-922337203685476.9999", true},
        {"900000000000000", true},
        {"922337203685477.5808", false},
        {"1e15", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.span);
        const AnalysisOutcome outcome = run_analysis(make_input(c.span));
        EXPECT_EQ(std::holds_alternative<AnalysisResult>(outcome), c.computes);
    }
}

TEST(OverflowMessages, TheBlamedChangeIsEnoughToCompute) {
    // Following the advice of the message (the blamed input at a tenth of its size,
    // or a unit span) the run succeeds.
    const struct {
        const char* name;
        AnalysisInput input;
        AnalysisInput changed;
    } cases[] = {
        {"one load", make_input("16", {{"U4.V", "900000000000000"}}), make_input("16", {{"U4.V", "9000000000000"}})},
        {"span with a load", make_input("100000000000000", {{"U4.V", "100"}}), make_input("1", {{"U4.V", "100"}})},
        {"loads together", every_vertical_load("1", "100000000000000", "U2.V", "200000000000000"),
         every_vertical_load("1", "10000000000000", "U2.V", "20000000000000")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(std::holds_alternative<AnalysisError>(run_analysis(c.input)));
        EXPECT_TRUE(std::holds_alternative<AnalysisResult>(run_analysis(c.changed)));
    }
}

TEST(QuotedTexts, CountCharactersNotBytes) {
    const std::string e_acute = "\xc3\xa9";
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += e_acute;
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += e_acute;
    const struct {
        std::string load;
        std::string quoted;
    } cases[] = {
        {forty, "\"" + forty + "\""},
        {fifty, "\"" + forty + "...\" (50 characters)"},
        {std::string(41, 'x'), "\"" + std::string(40, 'x') + "...\" (41 characters)"},
        {"1" + std::string(60, '0') + e_acute, "\"1" + std::string(39, '0') + "...\" (62 characters)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quoted);
        AnalysisInput input = make_input("10");
        input.loads[0] = c.load;
        const std::string message = error_of(input).message();
        EXPECT_NE(message.find(": " + c.quoted + "."), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace korvel::engine
