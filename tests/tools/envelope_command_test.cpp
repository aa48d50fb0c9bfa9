// korvel-solve with a project: --envelope, --combination, and projects in a batch.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "load_case/combination.hpp"
#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::CaseFile;
using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

// The arguments with "FILE" standing for the project file's path.
std::vector<std::string> with_file(std::vector<std::string> arguments, const std::string& path) {
    for (std::string& argument : arguments) {
        if (argument == "FILE") argument = path;
    }
    return arguments;
}

// Span 10 with the apex loaded down in "D" and up in "0.5D + 0.5W", and one combination that overflows.
constexpr const char* kProject = R"({"span": "10",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "10"}},
           {"name": "Wind", "kind": "wind", "loads": {"U4.V": "-30"}}],
 "combinations": [{"name": "D", "factors": {"Dead": "1"}},
                  {"name": "0.5D + 0.5W", "factors": {"Dead": "0.5", "Wind": "0.5"}}]})";

std::string with_huge(std::string project) {
    project.insert(project.rfind("]}"), R"(, {"name": "Huge", "factors": {"Dead": "1e18"}})");
    return project;
}

TEST(Envelope, JsonHoldsEveryCombinationAndTheEnvelopeInTheFilesOrder) {
    const CaseFile file("project.korvel.json", with_huge(kProject));
    const Outcome outcome = run_solve({"--envelope", file.path(), "--format", "json"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("combination \"Huge\": "), std::string::npos) << outcome.err;
    const auto json = nlohmann::ordered_json::parse(outcome.out);
    std::vector<std::string> names;
    for (const auto& [name, value] : json["combinations"].items()) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"D", "0.5D + 0.5W", "Huge"}));
    EXPECT_EQ(json["combinations"]["Huge"]["error"]["kind"], "overflow");
    EXPECT_EQ(json["combinations"]["D"]["forces"]["L0L1"], "10.0012");
    const auto& envelope = json["envelope"];
    EXPECT_EQ(envelope["complete"], false);
    EXPECT_EQ(
        envelope["forces"]["L0L1"],
        nlohmann::ordered_json::parse(
            R"({"max": "10.0012", "max_by": "D", "min": "-10.0012", "min_by": "0.5D + 0.5W", "reverses": true})"));
    EXPECT_EQ(envelope["reactions"]["RL6"],
              nlohmann::ordered_json::parse(R"({"max": "5", "max_by": "D", "min": "-5", "min_by": "0.5D + 0.5W"})"));
    EXPECT_EQ(envelope["forces"].size(), 29u);
    EXPECT_EQ(envelope["reactions"].size(), 3u);
}

TEST(Envelope, TableAndCsvNameTheGoverningCombinationsAndTheUplift) {
    const CaseFile file("project.korvel.json", kProject);
    const Outcome table = run_solve({"--envelope", file.path()});
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("reverses"), std::string::npos);
    EXPECT_NE(table.out.find("uplift: hold the support down"), std::string::npos);
    const Outcome csv = run_solve({file.path(), "--format", "csv"});
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("item,max,max_by,min,min_by,reverses\r\nL0L1,10.0012,D,-10.0012,0.5D + 0.5W,true\r\n"),
              std::string::npos)
        << csv.out;
    EXPECT_NE(csv.out.find("\r\nRL0,5,D,-5,0.5D + 0.5W,true\r\n"), std::string::npos) << csv.out;
}

// One combination gives what its combined loads give typed in as one case, in every format.
TEST(Combination, GivesTheResultsOfItsCombinedLoads) {
    const CaseFile file("project.korvel.json", kProject);
    const auto project = std::get<korvel::load_case::Project>(korvel::load_case::read_case_file(kProject));
    for (const char* format : {"table", "csv", "json"}) {
        const Outcome combination = run_solve({"--combination", "0.5D + 0.5W", "--format", format, file.path()});
        const Outcome typed = run_solve({"--span", "10", "--load", "U4.V=-10", "--format", format});
        EXPECT_EQ(combination.status, 0) << combination.err;
        EXPECT_EQ(combination.out, typed.out) << format;
    }
}

struct Refused {
    std::vector<std::string> arguments;
    std::string project;
    const char* says;
};

TEST(Envelope, RefusesBadProjectsAndMisuseWithStatusTwo) {
    const Refused rows[] = {
        {{"--envelope", "FILE"}, R"({"cases": [], "combinations": []})", "no combination"},
        {{"--envelope", "FILE"},
         R"({"cases": [{"name": "A"}], "combinations": [{"name": "C", "factors": {"B": 1}}]})",
         "combination \"C\": the factor of \"B\" names no case"},
        {{"--envelope", "FILE"}, R"({"span": "10", "loads": {}})", "holds one case, not a project"},
        {{"--combination", "E", "FILE"}, kProject, "no combination of that name; it has \"D\", \"0.5D + 0.5W\""},
        {{"--envelope", "FILE", "--numbers", "--format", "json"}, kProject, "--numbers applies"},
        {{"--envelope", "FILE", "FILE"}, kProject, "--envelope names the project"},
    };
    for (const Refused& row : rows) {
        const CaseFile file("project.korvel.json", row.project);
        const Outcome outcome = run_solve(with_file(row.arguments, file.path()));
        EXPECT_EQ(outcome.status, 2) << row.says;
        EXPECT_NE(outcome.err.find(row.says), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << row.says;
    }
    EXPECT_EQ(run_solve({"--combination", "D"}).status, 2);
    EXPECT_EQ(run_solve({"--batch", "--envelope", "x"}).status, 2);
}

TEST(Batch, AnswersAProjectLineWithItsEnvelope) {
    std::string one_line = with_huge(kProject);
    std::erase(one_line, '\n');
    const std::string lines = std::string(R"({"span": "10", "loads": {"U4.V": "10"}})") + "\n" + one_line + "\n" +
                              R"({"cases": [], "combinations": []})" + "\n";
    const Outcome outcome = run_solve({"--batch"}, lines);
    EXPECT_EQ(outcome.status, 1);
    std::vector<nlohmann::ordered_json> answers;
    std::istringstream out(outcome.out);
    for (std::string line; std::getline(out, line);) answers.push_back(nlohmann::ordered_json::parse(line));
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0]["forces"]["L0L1"], "10.0012");
    EXPECT_EQ(answers[1]["envelope"]["forces"]["L0L1"]["min_by"], "0.5D + 0.5W");
    EXPECT_EQ(answers[1]["envelope"]["complete"], false);
    EXPECT_EQ(answers[2]["error"]["kind"], "bad-request");
    EXPECT_NE(answers[2]["error"]["message"].get<std::string>().find("no combination"), std::string::npos);
}

}  // namespace
