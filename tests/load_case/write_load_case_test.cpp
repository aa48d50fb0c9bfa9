#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "load_case/load_case.hpp"

namespace korvel::load_case {
namespace {

engine::AnalysisInput case_of(std::string span, std::initializer_list<std::pair<const char*, std::string>> loads) {
    engine::AnalysisInput input;
    input.span = std::move(span);
    for (const auto& [key, text] : loads) input.loads[*engine::load_index_by_key(key)] = text;
    return input;
}

struct Written {
    engine::AnalysisInput input;
    const char* line;
};

class WriteLoadCase : public testing::TestWithParam<Written> {};

TEST_P(WriteLoadCase, WritesOneLineInLoadMapOrderWithoutEmptyLoads) {
    EXPECT_EQ(write_load_case(GetParam().input), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteLoadCase,
                         testing::Values(Written{case_of("", {}), R"({"span": "", "loads": {}})"},
                                         Written{case_of("16", {{"U4.V", "10"}, {"L0.H", "-2"}, {"U1.V", ""}}),
                                                 R"({"span": "16", "loads": {"L0.H": "-2", "U4.V": "10"}})"},
                                         Written{case_of("a\"b\\c\n\t\x01\x7F", {}), R"({"span": "a\"b\\c\n\t\u0001)"
                                                                                     "\x7F"
                                                                                     R"(", "loads": {}})"},
                                         Written{case_of("\xC3\xA9", {}), "{\"span\": \"\xC3\xA9\", \"loads\": {}}"}));

// Texts as a user may type them: blanks, long texts, non-ASCII, control characters.
const std::string kTexts[] = {
    "",
    " ",
    "  12.5  ",
    "1e-400",
    "\"quoted\" and \\back\\slashed/",
    "line\nbreak\r\ttab\b\f",
    std::string("nul\0inside", 10),
    "\x1B[31mred\x1B[0m",
    "\xC3\xA9t\xC3\xA9 \xE5\xB0\xBA \xF0\x9F\x98\x80 \xE2\x80\xA8",
    std::string(100000, '7'),
};

TEST(LoadCaseRoundTrip, GivesBackEveryTextByteForByte) {
    for (const std::string& text : kTexts) {
        engine::AnalysisInput input;
        input.span = text;
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) input.loads[i] = text + std::to_string(i);
        const std::string written = write_load_case(input);
        EXPECT_EQ(written.find('\n'), std::string::npos);
        EXPECT_TRUE(nlohmann::json::accept(written));

        const auto read = read_load_case(written);
        ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read)) << std::get<FormatError>(read).message;
        const auto& back = std::get<engine::AnalysisInput>(read);
        EXPECT_EQ(back.span, input.span);
        EXPECT_EQ(back.loads, input.loads);
    }
}

TEST(LoadCaseRoundTrip, ReplacesEachByteThatIsNotUtf8) {
    const std::string replacement = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"\xFF", replacement},
        {"a\xC3", "a" + replacement},
        {"\xC0\xAF", replacement + replacement},
        {"\xED\xA0\x80", replacement + replacement + replacement},
        {"\xE5\xB0\xBA\x80", "\xE5\xB0\xBA" + replacement},
    };
    for (const auto& [typed, expected] : cases) {
        engine::AnalysisInput input;
        input.loads[3] = typed;
        const std::string written = write_load_case(input);
        EXPECT_TRUE(nlohmann::json::accept(written)) << written;
        const auto read = read_load_case(written);
        ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read));
        EXPECT_EQ(std::get<engine::AnalysisInput>(read).loads[3], expected);
    }
}

}  // namespace
}  // namespace korvel::load_case
