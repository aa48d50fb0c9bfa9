// korvel-solve refuses options that ask for two things at once, and says what a
// project file is and what to fix in its own words; the help line follows only
// a wrong command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::CaseFile;
using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

constexpr const char* kHelpLine = "Run with --help";

constexpr const char* kProject = R"({"span": "10",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "10"}}],
 "combinations": [{"name": "c", "factors": {"Dead": "1.2"}}]})";

struct Command {
    std::vector<std::string> arguments;  // "P" stands for the project file, "F" for the file of `file_text`
    std::string file_text;
    int status;
    const char* err_has;  // "" for no message
    bool help_line;
};

class ProjectCommand : public testing::TestWithParam<Command> {};

TEST_P(ProjectCommand, RefusesClashesAndNamesTheFile) {
    const Command& c = GetParam();
    const CaseFile project("project.korvel.json", kProject);
    const CaseFile file("other.korvel.json", c.file_text);
    std::vector<std::string> arguments = c.arguments;
    for (std::string& argument : arguments) {
        if (argument == "P") argument = project.path();
        if (argument == "F") argument = file.path();
    }
    const Outcome outcome = run_solve(arguments);
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    if (*c.err_has == '\0') {
        EXPECT_EQ(outcome.err, "");
    } else {
        EXPECT_NE(outcome.err.find(c.err_has), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(outcome.err.find(kHelpLine) != std::string::npos, c.help_line) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ProjectCommand,
    testing::Values(
        Command{{"--envelope", "P", "--working"}, "", 2, "--envelope and --working cannot be combined", true},
        Command{{"--working", "P"}, "", 2, "--working writes the working of one case", true},
        Command{{"--envelope", "P", "--combination", "c"}, "", 2, "--envelope and --combination cannot be", true},
        Command{{"--envelope", "P", "--envelope", "F"}, "", 2, "--envelope is given 2 times", true},
        Command{{"--combination", "c", "--working", "P"}, "", 0, "", false},
        Command{{"F"},
                R"({"span": "10", "cases": [}, "combinations": []})",
                2,
                "other.korvel.json\" is not a usable project: not valid JSON",
                false},
        Command{{"F"},
                R"({"span": "10", "cases": [], "combinations": [], "colour": "red"})",
                2,
                "unknown key \"colour\"; a project has only \"span\", \"cases\" and \"combinations\"",
                false},
        Command{{"F"}, std::string(size_t{64} << 20, ' ') + "{}", 2, "larger than 64 MiB", false},
        Command{{"missing/none.json"}, "", 2, "cannot open \"missing/none.json\"", false}));

// 1,000 cases and 1,000 combinations of 1,000 factors each, about 25 MB: within
// the documented limits, so the file is read whole and answered.
TEST(LargestProject, IsAccepted) {
    std::string text = R"({"span": "16", "cases": [)";
    for (int c = 0; c < 1000; ++c) {
        text += (c == 0 ? "" : ",") + std::string(R"({"name": "case )") + std::to_string(c) +
                R"(", "kind": "live", "loads": {"U4.V": "1.25", "L2.V": "-0.5", "U1.H": "2"}})";
    }
    text += R"(], "combinations": [)";
    for (int m = 0; m < 1000; ++m) {
        text +=
            (m == 0 ? "" : ",") + std::string(R"({"name": "combination )") + std::to_string(m) + R"(", "factors": {)";
        for (int c = 0; c < 1000; ++c) text += (c == 0 ? "\"case " : ", \"case ") + std::to_string(c) + "\": \"1.05\"";
        text += "}}";
    }
    text += "]}";
    ASSERT_GT(text.size(), std::size_t{16} << 20);  // beyond what a case file needs
    const CaseFile file("largest.korvel.json", text);
    const Outcome outcome = run_solve({"--envelope", file.path(), "--format", "csv"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("combination 0"), std::string::npos);
}

}  // namespace
