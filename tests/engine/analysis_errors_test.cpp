#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "analysis_test_support.hpp"

namespace korvel::engine {
namespace {

using testing::Loads;
using testing::make_input;

struct ErrorCase {
    const char* name;
    const char* span;
    Loads loads;
    ErrorKind kind;
    const char* input_key;  // "" when no single input is to blame
    const char* text;
};

TEST(AnalysisErrors, TheFirstErrorInTheProgramsOrderIsReportedWithItsInput) {
    const ErrorCase cases[] = {
        {"empty span", "", {{"U4.V", "abc"}}, ErrorKind::MissingSpan, "span", ""},
        {"span of letters", "abc", {}, ErrorKind::TypeMismatch, "span", "abc"},
        {"span of blanks", "   ", {}, ErrorKind::TypeMismatch, "span", "   "},
        {"span with a comma", "1,5", {}, ErrorKind::TypeMismatch, "span", "1,5"},
        {"span beyond Fixed4", "1e15", {}, ErrorKind::Overflow, "span", "1e15"},
        {"span beyond double", "1e400", {}, ErrorKind::Overflow, "span", "1e400"},
        {"span 0", "0", {}, ErrorKind::DivisionByZero, "span", "0"},
        {"span whose rise rounds to 0", "0.0001", {{"U4.V", "10"}}, ErrorKind::DivisionByZero, "span", "0.0001"},
        {"span whose rise is a tie down to 0", "0.0002", {}, ErrorKind::DivisionByZero, "span", "0.0002"},
        {"span too small for four decimals", "1e-400", {}, ErrorKind::DivisionByZero, "span", "1e-400"},
        {"bad span before bad load", "x", {{"L0.H", "y"}}, ErrorKind::TypeMismatch, "span", "x"},
        {"load of letters", "10", {{"U4.V", "abc"}}, ErrorKind::TypeMismatch, "U4.V", "abc"},
        {"load of blanks", "10", {{"L3.V", " "}}, ErrorKind::TypeMismatch, "L3.V", " "},
        {"load with a unit", "10", {{"L0.H", "5kN"}}, ErrorKind::TypeMismatch, "L0.H", "5kN"},
        {"load beyond Fixed4", "10", {{"U2.H", "1e20"}}, ErrorKind::Overflow, "U2.H", "1e20"},
        // U5's horizontal label is read before its vertical one, L5's last of all.
        {"loads in load-map order",
         "10",
         {{"L5.V", "a"}, {"U5.V", "b"}, {"U5.H", "c"}},
         ErrorKind::TypeMismatch,
         "U5.H",
         "c"},
        {"bad load before a zero span", "0", {{"L1.V", "?"}}, ErrorKind::TypeMismatch, "L1.V", "?"},
        {"product beyond Fixed4",
         "1000000",
         {{"U4.V", "900000000000000"}},
         ErrorKind::Overflow,
         "U4.V",
         "900000000000000"},
        {"force beyond Fixed4", "10", {{"U1.V", "900000000000000"}}, ErrorKind::Overflow, "U1.V", "900000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisOutcome outcome = run_analysis(make_input(c.span, c.loads));
        const auto* error = std::get_if<AnalysisError>(&outcome);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->kind, c.kind);
        EXPECT_EQ(error->input_key(), c.input_key);
        EXPECT_EQ(error->text, c.text);
    }
}

TEST(AnalysisErrors, MessagesNameTheInputAndWhatToFix) {
    const struct {
        const char* span;
        Loads loads;
        const char* message_start;
    } cases[] = {
        {"", {}, "Please input the span length"},
        {"10", {{"U4.V", "abc"}}, "The vertical load at U4 is not a number: \"abc\"."},
        {"10", {{"L0.H", "x"}}, "The horizontal load at L0 is not a number: \"x\"."},
        {"abc", {}, "The span is not a number: \"abc\". Type the span length as a number"},
        {"0", {}, "The span is too small to analyse."},
        {"1000000", {{"U4.V", "900000000000000"}}, "The vertical load at U4 is too large to compute:"},
        {"10", {{"U4.V", "1e20"}}, "The vertical load at U4 is too large: \"1e20\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message_start);
        const AnalysisOutcome outcome = run_analysis(make_input(c.span, c.loads));
        ASSERT_TRUE(std::holds_alternative<AnalysisError>(outcome));
        EXPECT_EQ(std::get<AnalysisError>(outcome).message().rfind(c.message_start, 0), 0u)
            << std::get<AnalysisError>(outcome).message();
    }
}

TEST(AnalysisErrors, AHugePastedTextIsQuotedOnlyByItsBeginning) {
    const std::string pasted(1'000'000, 'x');
    AnalysisInput input = make_input("10");
    input.loads[0] = pasted;
    const AnalysisOutcome outcome = run_analysis(input);
    ASSERT_TRUE(std::holds_alternative<AnalysisError>(outcome));
    const AnalysisError& error = std::get<AnalysisError>(outcome);
    EXPECT_EQ(error.text, pasted);
    EXPECT_LT(error.message().size(), 300u);
    EXPECT_NE(error.message().find("(1000000 characters)"), std::string::npos);
}

TEST(AnalysisErrors, AQuotedTextIsNeverCutInsideACharacter) {
    // 39 ASCII letters, then two-byte characters: the 40-byte mark falls inside the 40th character.
    const std::string pasted = std::string(39, 'a') + "\xc3\xa9\xc3\xa9\xc3\xa9";
    AnalysisInput input = make_input("10");
    input.loads[0] = pasted;
    const std::string message = std::get<AnalysisError>(run_analysis(input)).message();
    EXPECT_NE(message.find(std::string(39, 'a') + "\xc3\xa9...\" (42 characters)"), std::string::npos) << message;
}

TEST(AnalysisInputs, LoadsAreAddressedByLabelAndByNode) {
    AnalysisInput input;
    const std::optional<std::size_t> apex = load_index_by_label("Label29");
    ASSERT_TRUE(apex);
    input.loads[*apex] = "10";
    EXPECT_FALSE(load_index_by_label("Label59"));  // a result label, not a load label
    input.set_load(Node::U5, Component::Horizontal, "3");
    EXPECT_THROW(input.set_load(Node::U8, Component::Vertical, "1"), std::invalid_argument);
    EXPECT_THROW(input.set_load(Node::L3, Component::Horizontal, "1"), std::invalid_argument);
    EXPECT_EQ(input.loads[*load_index_by_key("U4.V")], "10");
    EXPECT_EQ(input.loads[*load_index_by_label("Label34")], "3");
    EXPECT_FALSE(load_index_by_key("U8.V"));
    EXPECT_FALSE(load_index_by_key("L2.H"));
    EXPECT_FALSE(load_index_by_key("U4.X"));
    EXPECT_FALSE(load_index_by_key("U4V"));
}

}  // namespace
}  // namespace korvel::engine
