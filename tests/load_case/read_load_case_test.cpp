#include <gtest/gtest.h>

#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "load_case/load_case.hpp"

namespace korvel::load_case {
namespace {

using Loads = std::map<std::string, std::string>;

// The texts a read gives, as a map of the non-empty loads by key.
Loads loads_of(const engine::AnalysisInput& input) {
    Loads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (!input.loads[i].empty()) loads[engine::load_key(engine::kLoadMap[i])] = input.loads[i];
    }
    return loads;
}

struct GoodCase {
    const char* text;
    std::string span;
    Loads loads;
};

class ReadLoadCase : public testing::TestWithParam<GoodCase> {};

TEST_P(ReadLoadCase, GivesTheTextsExactly) {
    const auto read = read_load_case(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read)) << std::get<FormatError>(read).message;
    const auto& input = std::get<engine::AnalysisInput>(read);
    EXPECT_EQ(input.span, GetParam().span);
    EXPECT_EQ(loads_of(input), GetParam().loads);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLoadCase,
    testing::Values(GoodCase{R"({"span": " 12 ", "loads": {"L0.H": "1=2", "U4.V": ""}})", " 12 ", {{"L0.H", "1=2"}}},
                    GoodCase{R"({})", "", {}}, GoodCase{R"( {"loads": {}, "span": "5"} )", "5", {}},
                    GoodCase{"\t{\r\n\"span\"\n:\"7\"}\n", "7", {}},
                    // A byte order mark, as some editors save it, is passed over.
                    GoodCase{"\xEF\xBB\xBF{\"span\": \"8\"}", "8", {}},
                    // Numbers stand for their own text, never for a double's approximation of it.
                    GoodCase{R"({"span": 16, "loads": {"U4.V": -2.5}})", "16", {{"U4.V", "-2.5"}}},
                    GoodCase{R"({"span": 1e-400, "loads": {"U1.V": 0.00005, "U2.V": 1E+5, "U3.V": -0}})",
                             "1e-400",
                             {{"U1.V", "0.00005"}, {"U2.V", "1E+5"}, {"U3.V", "-0"}}},
                    GoodCase{R"({"span": 123456789012345678901234567890.000000000000000000001})",
                             "123456789012345678901234567890.000000000000000000001",
                             {}},
                    // Escapes decode; keys may be escaped too.
                    GoodCase{R"({"span": "a\"b\\c\/d\b\f\n\r\t", "loads": {"U4\u002EV": "\u00e9\ud83d\ude00"}})",
                             "a\"b\\c/d\b\f\n\r\t",
                             {{"U4.V", "\xC3\xA9\xF0\x9F\x98\x80"}}},
                    GoodCase{"{\"span\": \"\xE5\xB0\xBA 3\"}", "\xE5\xB0\xBA 3", {}}));

TEST(ReadLoadCaseInto, OverwritesEveryTextOfTheCaseBefore) {
    engine::AnalysisInput input;
    ASSERT_FALSE(read_load_case(R"({"span": "9", "loads": {"L0.H": "1", "U4.V": "2"}})", input));
    ASSERT_FALSE(read_load_case(R"({"loads": {"U1.V": "3"}})", input));
    EXPECT_EQ(input.span, "");
    EXPECT_EQ(loads_of(input), (Loads{{"U1.V", "3"}}));
    // A refused case leaves no text of the one before either.
    ASSERT_TRUE(read_load_case(R"({"span": "4", "x": 1})", input));
    ASSERT_FALSE(read_load_case(R"({"loads": {"L6.H": "5"}})", input));
    EXPECT_EQ(input.span, "");
    EXPECT_EQ(loads_of(input), (Loads{{"L6.H", "5"}}));
}

struct BadCase {
    std::string text;
    const char* says;  // part of the message
};

class RefusedCase : public testing::TestWithParam<BadCase> {};

TEST_P(RefusedCase, SaysWhatIsWrongWhereAndWhatIsExpected) {
    const auto read = read_load_case(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<FormatError>(read)) << GetParam().text;
    const std::string& message = std::get<FormatError>(read).message;
    EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
    EXPECT_EQ(message.find("json.exception"), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    ShapeOfTheCase, RefusedCase,
    testing::Values(BadCase{R"([1])", "a case must be one JSON object"}, BadCase{R"("16")", "not a text"},
                    BadCase{R"(null)", "not null"}, BadCase{R"({"span": "1", "extra": 1})", "unknown key \"extra\""},
                    BadCase{R"({"span": null})", "\"span\" must be a text in quotes or a number, not null"},
                    BadCase{R"({"span": true})", "not true"}, BadCase{R"({"span": false})", "not false"},
                    BadCase{R"({"span": {"a": "b"}})", "\"span\" must be a text in quotes or a number, not an object"},
                    BadCase{R"({"span": ["1"]})", "not an array"},
                    BadCase{R"({"span": "1", "span": "2"})", "\"span\" is given twice"},
                    BadCase{R"({"loads": {}, "loads": {}})", "\"loads\" is given twice"},
                    BadCase{R"({"loads": []})", "\"loads\" must be an object of load texts"},
                    BadCase{R"({"loads": "U4.V=1"})", "\"loads\" must be an object of load texts"},
                    BadCase{R"({"loads": {"U4.V": null}})", "\"U4.V\" must be a text in quotes or a number"},
                    BadCase{R"({"loads": {"U4.V": "1", "U4.V": "2"}})", "load \"U4.V\" is given twice"},
                    BadCase{R"({"loads": {"U8.V": "1"}})", "\"U8.V\" is not a load; loads are NODE.V"},
                    BadCase{R"({"loads": {"L3.H": "1"}})", "\"L3.H\" is not a load"},
                    BadCase{R"({"loads": {"Label29": "1"}})", "\"Label29\" is not a load"},
                    // A key quoted in a message has its control characters escaped.
                    BadCase{"{\"a\\u001b[31m\": 1}", "unknown key \"a\\u001B[31m\""}));

INSTANTIATE_TEST_SUITE_P(
    NotJson, RefusedCase,
    testing::Values(BadCase{"", "the text ends at column 1; expected one JSON object"},
                    BadCase{"  \n ", "the text ends at column 2"}, BadCase{"not json", "unexpected \"n\" at column 1"},
                    BadCase{R"({"span": "1"} 2)", "unexpected \"2\" at column 15; expected the end of the case"},
                    BadCase{R"({"span": "1")", "the text ends at column 13; expected a comma or the closing brace"},
                    BadCase{R"({"span": "1",})", "unexpected \"}\" at column 14; expected a key in quotes"},
                    BadCase{R"({"span" "1"})", "expected a colon"}, BadCase{R"({span: "1"})", "expected a key"},
                    BadCase{R"({"span": "1)", "ends inside the string that starts at column 10"},
                    BadCase{R"({"span": 01})", "a number with a leading zero at column 10"},
                    BadCase{R"({"span": 1.})", "unexpected \"}\" at column 12; expected a number"},
                    BadCase{R"({"span": -})", "unexpected \"}\""}, BadCase{R"({"span": .5})", "unexpected \".\""},
                    BadCase{R"({"span": +1})", "unexpected \"+\""},
                    BadCase{R"({"span": 1e})", "expected a number like 12"},
                    BadCase{R"({"span": tru})", "unexpected \"t\""}, BadCase{R"({"span": NaN})", "unexpected \"N\""},
                    BadCase{R"({"span": "\x"})", "invalid escape \"\\\\x\""},
                    BadCase{R"({"span": "\u12"})", "four hexadecimal digits"},
                    BadCase{R"({"span": "\ud800"})", "high surrogate without its low half"},
                    BadCase{R"({"span": "\ud800\u0041"})", "high surrogate without its low half"},
                    BadCase{R"({"span": "\udc00"})", "lone low surrogate"},
                    BadCase{"{\"span\": \"a\tb\"}", "control character \"\\t\" inside a string at column 12"},
                    BadCase{std::string("{\"span\": \"1\0002\"}", 15), "control character \"\\u0000\""},
                    BadCase{std::string("{\"span\": \"1\"}\0", 14), "unexpected \"\\u0000\" at column 14"},
                    BadCase{"{\"span\": \"\xFF\"}", "byte \"\\xFF\" is not UTF-8 at column 11"},
                    BadCase{"{\"span\": \"\xC0\xAF\"}", "is not UTF-8"},
                    BadCase{"{\"span\": \"\xED\xA0\x80\"}", "is not UTF-8"},
                    // Columns count characters; lines are named once the text has several.
                    BadCase{"{\"loads\": {\"U1.V\": \"\xC3\xA9\xC3\xA9\" x}}", "unexpected \"x\" at column 25"},
                    BadCase{"{\n  \"span\": \"1\"\n  \"loads\": {}\n}\n", "at line 3, column 3; expected a comma"}));

// Every text refused as not valid JSON is refused by an independent JSON parser
// too, and every text read is accepted by it.
TEST(ReadLoadCase, AgreesWithJsonOnWhatIsJson) {
    const std::string texts[] = {
        R"({"span": 1})",
        R"({"span": -0.0e+0})",
        R"({"span": 1E5})",
        R"({"span": "\u0000"})",
        R"({"span": 00})",
        R"({"span": 1.e5})",
        R"({"span": "\U0041"})",
        R"({"span": "\'"})",
        "{\"span\": \"\x7F\"}",
        "{\"span\"\f: \"1\"}",
        "\xEF\xBB\xBF{}",
        R"({"span": 1}})",
        "{\"span\": \"\xF4\x90\x80\x80\"}",
        "{\"span\": \"\xF0\x9F\x98\x80\"}",
        R"({"span": "\uDBFF\uDFFF"})",
    };
    for (const std::string& text : texts) {
        const auto read = read_load_case(text);
        const bool refused_as_json = std::holds_alternative<FormatError>(read) &&
                                     std::get<FormatError>(read).message.starts_with("not valid JSON");
        EXPECT_EQ(!refused_as_json, nlohmann::json::accept(text)) << text;
    }
}

}  // namespace
}  // namespace korvel::load_case
