#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "load_case/json_text.hpp"
#include "load_case/load_case.hpp"

namespace korvel::load_case {
namespace {

struct Number {
    std::string text;
    bool is_number;
};

class JsonNumber : public testing::TestWithParam<Number> {};

// A load written as a JSON number is read exactly when the text follows the JSON
// grammar, and its text is the number as written.
TEST_P(JsonNumber, IsALoadExactlyWhenItFollowsTheJsonGrammar) {
    const std::string& text = GetParam().text;
    engine::AnalysisInput input;
    const auto error = read_load_case(R"({"loads": {"U4.V": )" + text + "}}", input);
    EXPECT_EQ(!error, GetParam().is_number) << text;
    EXPECT_EQ(!error, nlohmann::json::accept(text) && nlohmann::json::parse(text).is_number()) << text;
    if (!error) {
        EXPECT_EQ(input.loads[*engine::load_index_by_key("U4.V")], text);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, JsonNumber,
                         testing::Values(Number{"0", true}, Number{"-0", true}, Number{"12", true},
                                         Number{"-11.1814", true}, Number{"1e-400", true}, Number{"2.5E+3", true},
                                         Number{"922337203685477.5807", true}, Number{"", false}, Number{"-", false},
                                         Number{"01", false}, Number{".5", false}, Number{"1.", false},
                                         Number{"+1", false}, Number{"- 1", false}, Number{"1 2", false},
                                         Number{"1e", false}, Number{"0x1F", false}, Number{"--1", false},
                                         Number{"1-", false}, Number{"NaN", false}));

struct Escaped {
    std::string text;
    std::string json;
};

class JsonString : public testing::TestWithParam<Escaped> {};

TEST_P(JsonString, EscapesWhatJsonRequiresAndKeepsTheRest) {
    std::string out = "[";
    append_json_string(out, GetParam().text);
    EXPECT_EQ(out.substr(1), GetParam().json);
    EXPECT_TRUE(nlohmann::json::accept(out + "]")) << out;
}

INSTANTIATE_TEST_SUITE_P(Texts, JsonString,
                         testing::Values(Escaped{"", R"("")"}, Escaped{"-2.5", R"("-2.5")"},
                                         Escaped{"a\"b", R"("a\"b")"}, Escaped{"a\\b", R"("a\\b")"},
                                         Escaped{"/", R"("/")"}, Escaped{"\b\f\n\r\t", R"("\b\f\n\r\t")"},
                                         Escaped{std::string("\0\x1F", 2), R"("\u0000\u001F")"},
                                         Escaped{"\x7F", "\"\x7F\""}, Escaped{"\xE2\x80\xA8", "\"\xE2\x80\xA8\""},
                                         Escaped{"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
                                         Escaped{"x\xFFy", "\"x\xEF\xBF\xBDy\""}));

// The reader's own lookup of load keys takes exactly the keys the engine knows,
// each to the same slot.
TEST(LoadKeys, AreTheEnginesKeysExactly) {
    const std::string firsts = "LUXl";
    const std::string seconds = "0123456789";
    const std::string thirds = ".,";
    const std::string fourths = "HVvX";
    for (const char a : firsts) {
        for (const char b : seconds) {
            for (const char c : thirds) {
                for (const char d : fourths) {
                    const std::string key{a, b, c, d};
                    engine::AnalysisInput input;
                    const auto error = read_load_case(R"({"loads": {")" + key + R"(": "7"}})", input);
                    const auto expected = engine::load_index_by_key(key);
                    EXPECT_EQ(!error, expected.has_value()) << key;
                    if (expected) {
                        EXPECT_EQ(input.loads[*expected], "7") << key;
                    }
                }
            }
        }
    }
    for (const char* key : {"U4.V ", "U4.", "U4V", "U10.V", "", "u4.V"}) {
        EXPECT_TRUE(read_load_case(std::string(R"({"loads": {")") + key + R"(": "7"}})").index() == 1) << key;
    }
}

}  // namespace
}  // namespace korvel::load_case
