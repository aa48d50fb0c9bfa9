#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/batch_request.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {
namespace {

std::string load_text(const engine::AnalysisInput& input, const char* key) {
    return input.loads[*engine::load_index_by_key(key)];
}

TEST(BatchCase, TakesTextsExactlyAndLeavesMissingOnesEmpty) {
    engine::AnalysisInput input;
    EXPECT_FALSE(read_batch_case(R"({"span": " 12 ", "loads": {"L0.H": "1=2", "U4.V": ""}})", input));
    EXPECT_EQ(input.span, " 12 ");
    EXPECT_EQ(load_text(input, "L0.H"), "1=2");
    EXPECT_EQ(load_text(input, "U4.V"), "");

    // The next case starts from nothing: no text of the one before survives.
    EXPECT_FALSE(read_batch_case(R"({"loads": {"U1.V": "3"}})", input));
    EXPECT_EQ(input.span, "");
    EXPECT_EQ(load_text(input, "L0.H"), "");
    EXPECT_EQ(load_text(input, "U1.V"), "3");

    EXPECT_FALSE(read_batch_case(R"({})", input));
    EXPECT_FALSE(read_batch_case(R"({"loads": {}, "span": "5"})", input));
    EXPECT_EQ(input.span, "5");
}

struct BadLine {
    const char* line;
    const char* says;  // part of the message
};

class BatchCaseRefuses : public testing::TestWithParam<BadLine> {};

TEST_P(BatchCaseRefuses, SayingWhatIsWrong) {
    engine::AnalysisInput input;
    const auto bad = read_batch_case(GetParam().line, input);
    ASSERT_TRUE(bad) << GetParam().line;
    EXPECT_NE(bad->message.find(GetParam().says), std::string::npos) << bad->message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchCaseRefuses,
    testing::Values(BadLine{"not json", "not valid JSON"}, BadLine{R"({"span": "1"} 2)", "not valid JSON"},
                    BadLine{R"({"span": "1")", "not valid JSON"}, BadLine{R"([1])", "one JSON object"},
                    BadLine{R"("16")", "one JSON object"}, BadLine{R"({"span": "1", "extra": 1})", "\"extra\""},
                    BadLine{R"({"span": 16})", "\"span\" must be a text"},
                    BadLine{R"({"span": null})", "\"span\" must be a text"},
                    BadLine{R"({"span": {"a": "b"}})", "\"span\" must be a text"},
                    BadLine{R"({"span": "1", "span": "2"})", "\"span\" is given twice"},
                    BadLine{R"({"loads": []})", "\"loads\" must be an object"},
                    BadLine{R"({"loads": "U4.V=1"})", "\"loads\" must be an object"},
                    BadLine{R"({"loads": {"U4.V": 10}})", "\"U4.V\" must be a text"},
                    BadLine{R"({"loads": {"U4.V": ["1"]}})", "\"U4.V\" must be a text"},
                    BadLine{R"({"loads": {"U4.V": "1", "U4.V": "2"}})", "\"U4.V\" is given twice"},
                    BadLine{R"({"loads": {"U8.V": "1"}})", "\"U8.V\" is not a load"},
                    BadLine{R"({"loads": {"L3.H": "1"}})", "\"L3.H\" is not a load"},
                    BadLine{R"({"loads": {"Label29": "1"}})", "\"Label29\" is not a load"}));

TEST(Batch, AnswersEveryLineAndGoesOnPastBadOnes) {
    std::istringstream in(
        "{\"span\": \"10\", \"loads\": {\"U4.V\": \"10\"}}\n"
        "not json\n"
        "\n"
        "   \r\n"
        "{\"span\": \"10\", \"extra\": \"1\"}\n"
        "{\"span\": \"10\", \"loads\": {\"U4.V\": \"abc\"}}\n"
        "{\"loads\": {\"U4.V\": \"10\"}}\n"
        "{\"span\": \"0\"}\n"
        "{\"span\": \"1e300\"}\n"
        "{\"span\": \"12\", \"loads\": {\"U1.H\": \"10\"}}");  // the last line has no line break
    std::ostringstream out;
    EXPECT_EQ(run_batch(in, out), 8u);

    std::vector<Json> answers;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) answers.push_back(Json::parse(line));
    ASSERT_EQ(answers.size(), 8u);

    EXPECT_EQ(answers[0]["forces"]["L0U1"], "-11.1814");
    EXPECT_EQ(answers[1]["error"]["kind"], "bad-request");
    EXPECT_NE(answers[1]["error"]["message"].get<std::string>().find("line 2"), std::string::npos);
    EXPECT_EQ(answers[2]["error"]["kind"], "bad-request");
    EXPECT_NE(answers[2]["error"]["message"].get<std::string>().find("line 5"), std::string::npos);
    EXPECT_EQ(answers[3]["error"], (Json{{"kind", "type-mismatch"},
                                         {"input", "U4.V"},
                                         {"text", "abc"},
                                         {"message", answers[3]["error"]["message"]}}));
    EXPECT_EQ(answers[4]["error"]["kind"], "missing-span");
    EXPECT_EQ(answers[4]["error"]["input"], "span");
    EXPECT_EQ(answers[5]["error"]["kind"], "division-by-zero");
    EXPECT_EQ(answers[6]["error"]["kind"], "overflow");
    EXPECT_EQ(answers[7]["forces"]["U4U5"], "-1.3995");
    EXPECT_EQ(answers[7]["forces"]["L2L3"], "1.2511");
}

TEST(Batch, EmptyInputGivesNoOutput) {
    std::istringstream in("\n\n");
    std::ostringstream out;
    EXPECT_EQ(run_batch(in, out), 0u);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace korvel::solve
