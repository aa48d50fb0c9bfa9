// korvel-solve CASE.json and --batch FILE...: saved cases and files of cases.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "load_case/load_case.hpp"
#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

using korvel::testing_support::CaseFile;

korvel::engine::AnalysisInput saved_case() {
    korvel::engine::AnalysisInput input;
    input.span = "16";
    input.loads[*korvel::engine::load_index_by_key("U4.V")] = "10";
    input.loads[*korvel::engine::load_index_by_key("U1.H")] = "-2.5";
    return input;
}

class SavedCase : public testing::TestWithParam<const char*> {};

TEST_P(SavedCase, GivesWhatTheSameSpanAndLoadsGiveInEveryFormat) {
    const CaseFile file("roof.korvel.json", korvel::load_case::write_load_case(saved_case()));
    const std::string format = GetParam();
    const Outcome from_file = run_solve({file.path(), "--format", format});
    const Outcome from_arguments =
        run_solve({"--span", "16", "--load", "U4.V=10", "--load", "U1.H=-2.5", "--format", format});
    EXPECT_EQ(from_file.status, 0) << from_file.err;
    EXPECT_EQ(from_file.out, from_arguments.out);
    EXPECT_FALSE(from_file.out.empty());

    // "-" reads the case from standard input.
    const Outcome from_input = run_solve({"-", "--format", format}, korvel::load_case::write_load_case(saved_case()));
    EXPECT_EQ(from_input.out, from_arguments.out);
}

INSTANTIATE_TEST_SUITE_P(Formats, SavedCase, testing::Values("table", "csv", "json"));

struct BadCaseFile {
    std::string text;
    const char* err_has;
};

class BadCase : public testing::TestWithParam<BadCaseFile> {};

TEST_P(BadCase, IsAUsageErrorNamingTheFileAndWhatIsWrong) {
    const CaseFile file("bad.korvel.json", GetParam().text);
    const Outcome outcome = run_solve({file.path()});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("bad.korvel.json\" is not a load case"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().err_has), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(Files, BadCase,
                         testing::Values(BadCaseFile{"", "the text ends at column 1"},
                                         BadCaseFile{"{\n  \"span\": \"16\",\n  \"load\": {}\n}\n",
                                                     "unknown key \"load\""},
                                         BadCaseFile{"{\"span\": \"16\",\n \"loads\": {\"U4.V\": 1,}}",
                                                     "unexpected \"}\" at line 2, column 22"}));

TEST(BatchFiles, ReadsTheFilesInOrderWithStandardInputForDash) {
    const CaseFile first("first.jsonl", R"({"span": "10"})"
                                        "\n"
                                        "oops\n");
    const CaseFile second("second.jsonl", R"({"span": "12"})");
    const Outcome outcome = run_solve({"--batch", first.path(), "-", second.path()}, R"({"span": "11"})"
                                                                                     "\n");
    EXPECT_EQ(outcome.status, 1);
    const Outcome separately = run_solve({"--batch"}, "{\"span\": \"10\"}\n{\"span\": \"11\"}\n{\"span\": \"12\"}\n");
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = outcome.out.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(outcome.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[1].find("first.jsonl\\\", line 2: not valid JSON"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[0] + "\n" + lines[2] + "\n" + lines[3] + "\n", separately.out);
}

}  // namespace
