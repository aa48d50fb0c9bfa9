#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/result_table.hpp"
#include "tools/korvel_solve/result_json.hpp"
#include "tools/korvel_solve/result_text_formats.hpp"

namespace korvel::solve {
namespace {

engine::AnalysisResult analyse(const char* span, const char* key, const char* load) {
    engine::AnalysisInput input;
    input.span = span;
    input.loads[*engine::load_index_by_key(key)] = load;
    return std::get<engine::AnalysisResult>(engine::run_analysis(input));
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> words_of(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string json_line(const engine::AnalysisResult& result) {
    std::string line;
    ResultLineWriter().append(line, result);
    return line;
}

TEST(ResultJson, HoldsEveryResultTextUnderItsMemberOrReaction) {
    const auto result = analyse("16", "U4.V", "10");
    const Json document = Json::parse(json_line(result));

    ASSERT_EQ(document.size(), 3u);
    const std::vector<std::string> groups{document.begin().key(), std::next(document.begin()).key(),
                                          std::next(document.begin(), 2).key()};
    EXPECT_EQ(groups, (std::vector<std::string>{"lengths", "reactions", "forces"}));
    ASSERT_EQ(document["lengths"].size(), engine::kMemberCount);
    ASSERT_EQ(document["forces"].size(), engine::kMemberCount);
    ASSERT_EQ(document["reactions"].size(), 3u);

    auto member = engine::kMembersInTableOrder.begin();
    for (const auto& [name, text] : document["forces"].items()) {
        EXPECT_EQ(name, engine::member_name(*member++));  // the results window's table order
        EXPECT_EQ(text, result.force(*engine::member_from_name(name)).to_text()) << name;
        EXPECT_EQ(document["lengths"][name], result.length(*engine::member_from_name(name)).to_text()) << name;
    }
    for (const char* reaction : {"RL0", "RL6", "HL0"}) {
        EXPECT_EQ(document["reactions"][reaction], result.reaction(*engine::reaction_from_name(reaction)).to_text())
            << reaction;
    }
}

TEST(ResultJson, ApexLoadOnSpanTenGivesTheKnownTexts) {
    const Json document = Json::parse(json_line(analyse("10", "U4.V", "10")));
    EXPECT_EQ(document["lengths"]["L0L1"], "1.5625");
    EXPECT_EQ(document["lengths"]["L3U4"], "2.5");
    EXPECT_EQ(document["reactions"]["RL0"], "5");
    EXPECT_EQ(document["reactions"]["HL0"], "0");
    EXPECT_EQ(document["forces"]["L0U1"], "-11.1814");
    EXPECT_EQ(document["forces"]["U4U5"], "-11.1793");
    EXPECT_EQ(document["forces"]["U2U8"], "0.0024");
    EXPECT_EQ(document["forces"]["L3U4"], "0");
}

TEST(ResultJson, FastLineIsExactlyTheSerializedDocument) {
    for (const auto& result : {analyse("16", "U4.V", "10"), analyse("12", "U1.H", "10"), analyse("1", "U1.V", "-0.5"),
                               analyse("100", "L6.H", "123456.789")}) {
        EXPECT_EQ(json_line(result), result_json(result).dump() + "\n");
    }
}

// Every value at the longest Fixed4 text, the most the line buffer has to hold.
engine::AnalysisResult longest_texts() {
    const engine::Fixed4 longest = engine::Fixed4::from_count(std::numeric_limits<std::int64_t>::min());
    engine::AnalysisResult result;
    for (const engine::Member member : engine::kMembers) {
        result.set_length(member, longest);
        result.set_force(member, longest);
    }
    for (const engine::Reaction reaction : engine::kReactions) result.set_reaction(reaction, longest);
    return result;
}

TEST(ResultJson, TheLongestTextsStillGiveTheDocumentAfterEarlierLines) {
    const engine::AnalysisResult plain = analyse("10", "U4.V", "10");
    const engine::AnalysisResult longest = longest_texts();

    std::string lines;
    const ResultLineWriter writer;
    writer.append(lines, plain);
    writer.append(lines, longest);
    const std::size_t break_at = lines.find('\n');
    ASSERT_NE(break_at, std::string::npos);
    EXPECT_EQ(Json::parse(lines.substr(0, break_at)), result_json(plain));
    EXPECT_EQ(lines.substr(break_at + 1), result_json(longest).dump() + "\n");
    EXPECT_EQ(Json::parse(lines.substr(break_at + 1))["lengths"]["L0L1"], "-922337203685477.5808");
}

TEST(ResultJson, NumbersAreTheResultTextsUnquoted) {
    const engine::AnalysisResult plain = analyse("16", "U4.V", "10");
    std::string numbers;
    ResultLineWriter(ResultValues::Numbers).append(numbers, plain);
    std::vector<std::string> texts;
    for (const engine::Member member : engine::kMembers) {
        texts.push_back(plain.length(member).to_text());
        texts.push_back(plain.force(member).to_text());
    }
    for (const engine::Reaction reaction : engine::kReactions) texts.push_back(plain.reaction(reaction).to_text());
    std::string expected = json_line(plain);
    for (const std::string& text : texts) {
        // Built by appending: GCC 12 at -O3 sees an overlapping copy where a literal is prepended.
        const std::string unquoted = std::string(":").append(text);
        const std::string quoted = std::string(":\"").append(text).append("\"");
        for (std::size_t at; (at = expected.find(quoted)) != std::string::npos;) {
            expected.replace(at, quoted.size(), unquoted);
        }
    }
    EXPECT_EQ(numbers, expected);
    EXPECT_TRUE(Json::parse(numbers)["forces"]["L0U1"].is_number());

    // The longest texts are numbers too.
    numbers.clear();
    ResultLineWriter(ResultValues::Numbers).append(numbers, longest_texts());
    const Json document = Json::parse(numbers);
    EXPECT_TRUE(document["lengths"]["L0L1"].is_number());
    EXPECT_NE(numbers.find(":-922337203685477.5808,"), std::string::npos);
}

TEST(ErrorJson, NamesTheKindInputAndText) {
    const struct {
        const char* span;
        const char* load;  // at U4.V
        const char* kind;
        const char* input;
        const char* text;
    } cases[] = {
        {"10", "abc", "type-mismatch", "U4.V", "abc"},
        {"16", "900000000000000", "overflow", "U4.V", "900000000000000"},
        {"100000000000000", "100", "overflow", "span", "100000000000000"},
        {"1e15", "1", "overflow", "span", "1e15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.load);
        engine::AnalysisInput input;
        input.span = c.span;
        input.loads[*engine::load_index_by_key("U4.V")] = c.load;
        const auto error = std::get<engine::AnalysisError>(engine::run_analysis(input));
        const Json document = error_json(error);
        EXPECT_EQ(document["error"],
                  (Json{{"kind", c.kind}, {"input", c.input}, {"text", c.text}, {"message", error.message()}}));
    }
}

TEST(ErrorJson, LeavesOutInputAndTextWhenNoInputIsToBlame) {
    const engine::AnalysisError error{engine::ErrorKind::Overflow, {}, ""};
    const Json document = error_json(error);
    EXPECT_EQ(document["error"]["kind"], "overflow");
    EXPECT_FALSE(document["error"].contains("input"));
    EXPECT_FALSE(document["error"].contains("text"));
}

TEST(BadRequestJson, CarriesTheMessage) {
    EXPECT_EQ(bad_request_json("line 3: oops").dump(), R"({"error":{"kind":"bad-request","message":"line 3: oops"}})");
}

TEST(Table, OneAlignedRowPerMemberThenTheReactions) {
    const auto result = analyse("10", "U1.V", "10");
    std::ostringstream out;
    write_table(out, result);
    const auto lines = lines_of(out.str());
    ASSERT_EQ(lines.size(), 1 + engine::kMemberCount + 2 + 3);

    const std::size_t force_column = lines[0].find("Axial force");
    ASSERT_NE(force_column, std::string::npos);
    for (std::size_t i = 0; i < engine::kMemberCount; ++i) {
        const engine::Member member = engine::kMembersInTableOrder[i];
        const std::string& line = lines[1 + i];
        EXPECT_EQ(words_of(line),
                  (std::vector<std::string>{std::string(engine::member_name(member)), result.length(member).to_text(),
                                            result.force(member).to_text()}));
        EXPECT_EQ(line.substr(force_column), result.force(member).to_text()) << "force column not aligned: " << line;
    }
    EXPECT_EQ(lines[31], "Reactions");
    EXPECT_EQ(lines[32], "RL0 (Up) = 8.7499");
    EXPECT_EQ(lines[33], "RL6 (Up) = 1.2501");
    EXPECT_EQ(lines[34], "HL0(Left)= 0");
}

}  // namespace
}  // namespace korvel::solve
