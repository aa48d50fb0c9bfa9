// Runs the real korvel-solve as a separate process: exit statuses, and what goes
// to standard output and standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

struct StatusCase {
    std::vector<std::string> arguments;
    int status;
    const char* out_has;  // part of standard output, or "" for empty output
    const char* err_has;  // part of standard error, or "" for no message at all
};

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, AndWhereTheWordsGo) {
    const StatusCase& c = GetParam();
    const Outcome outcome = run_solve(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    if (*c.out_has == '\0') {
        EXPECT_EQ(outcome.out, "");
    } else {
        EXPECT_NE(outcome.out.find(c.out_has), std::string::npos) << outcome.out;
    }
    if (*c.err_has == '\0') {
        EXPECT_EQ(outcome.err, "");
    } else {
        EXPECT_NE(outcome.err.find(c.err_has), std::string::npos) << outcome.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ExitStatus,
    testing::Values(
        // Success.
        StatusCase{{"--span", "16", "--load", "U4.V=10"}, 0, "RL0 (Up) = 5", ""},
        StatusCase{{"--span", "10", "--load", "U4.V=10", "--format", "json"}, 0, R"("L0U1":"-11.1814")", ""},
        StatusCase{{"--span", "10", "--format", "csv"}, 0, "item,length,axial_force,reaction\r\n", ""},
        StatusCase{{"--span", "-10", "--load", "L6.H= 10 "}, 0, "HL0(Left)= 10", ""},
        StatusCase{{"--version"}, 0, "korvel-solve 2.01.0001\n", ""},
        StatusCase{{"--span", "16", "--format", "json", "--numbers"}, 0, R"("RL0":0,)", ""},
        StatusCase{{"--help"}, 0, "--batch", ""},
        // The analysis fails.
        StatusCase{{"--span", ""}, 1, "", "Please input the span length"}, StatusCase{{"--span", "abc"}, 1, "", "abc"},
        StatusCase{{"--span", "16", "--load", "U4.V=ten"}, 1, "", "ten"}, StatusCase{{"--span", "0"}, 1, "", "span"},
        StatusCase{
            {"--span", "abc", "--format", "json"}, 1, R"({"error":{"kind":"type-mismatch","input":"span")", "abc"},
        // Usage errors.
        StatusCase{{"--load", "U4.V=10"}, 2, "", "--span"},
        StatusCase{{"--span", "16", "--load", "Q4.V=1"}, 2, "", "Q4.V"},
        StatusCase{{"--span", "16", "--load", "L3.H=1"}, 2, "", "L3.H"},
        StatusCase{{"--span", "16", "--load", "U8.V=1"}, 2, "", "U8.V"},
        StatusCase{{"--span", "16", "--load", "U4.V"}, 2, "", "U4.V"},
        StatusCase{{"--span", "16", "--format", "xml"}, 2, "", "xml"},
        StatusCase{{"--span", "16", "--frmat", "csv"}, 2, "", "--frmat"},
        StatusCase{{"--batch", "--span", "16"}, 2, "", "--batch"},
        StatusCase{
            {"--batch", "/nonexistent/cases.jsonl"}, 2, "", "cannot open \"/nonexistent/cases.jsonl\": No such file"},
        StatusCase{{"--batch", "-", "/"}, 2, "", "cannot read \"/\": it is a directory"},
        StatusCase{{"/nonexistent/roof.korvel.json"}, 2, "", "cannot open \"/nonexistent/roof.korvel.json\""},
        StatusCase{{"a.json", "b.json"}, 2, "", "give one case file"},
        StatusCase{{"--span", "16", "a.json"}, 2, "", "leave out --span and --load"},
        StatusCase{{"--span", "16", "--numbers"}, 2, "", "--numbers applies to JSON results"},
        StatusCase{{"--batch", "--jobs", "0"}, 2, "", "--jobs"},
        StatusCase{{"--span", "16", "--jobs", "2"}, 2, "", "--jobs"},
        StatusCase{{"--span", "16", "--max-line-bytes", "10"}, 2, "", "--max-line-bytes"},
        // What the user typed is quoted with its control characters escaped.
        StatusCase{{"--span", "\x1b[2Jx"}, 1, "", "\\u001B[2Jx"},
        StatusCase{{"--span", "1", "--load", "U4.V\x07"}, 2, "", "\"U4.V\\u0007\""}));

TEST(ExitStatusMessages, NeverCarryAControlCharacterOrALibraryCode) {
    const std::vector<std::vector<std::string>> commands{{"--span", "\x1b[31mred"},
                                                         {"--span", "16", "--load", std::string(5000, 'x')},
                                                         {"--frmat\x1b"},
                                                         {"--batch", "\x1b]0;title\x07"}};
    for (const auto& arguments : commands) {
        const Outcome outcome = run_solve(arguments);
        EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\x07'), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("json.exception"), std::string::npos) << outcome.err;
        EXPECT_LT(outcome.err.size(), 700u) << outcome.err;
    }
}

TEST(ExitStatusBatch, OneWhenAnyLineIsAnsweredWithAnErrorYetEveryLineIsAnswered) {
    const Outcome outcome = run_solve({"--batch"},
                                      "{\"span\": \"10\", \"loads\": {\"U4.V\": \"10\"}}\n"
                                      "oops\n"
                                      "\n"
                                      "{\"span\": \"abc\"}\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "korvel-solve: 3 of 4 lines answered with an error\n");
    ASSERT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 4);
    EXPECT_NE(outcome.out.find(R"("L0U1":"-11.1814")"), std::string::npos);
    EXPECT_NE(outcome.out.find(R"("kind":"bad-request")"), std::string::npos);
    EXPECT_NE(outcome.out.find(R"("kind":"type-mismatch")"), std::string::npos);
}

TEST(ExitStatusOutput, ResultsThatCannotBeWrittenAreNotASuccess) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--span", "16"}, {"--batch"}}) {
        const Outcome outcome = run_solve(arguments, "{\"span\": \"16\"}\n", "/dev/full");
        EXPECT_EQ(outcome.status, 1) << arguments[0];
        EXPECT_NE(outcome.err.find("could not write"), std::string::npos) << outcome.err;
    }
}

}  // namespace
