// korvel-solve with a project: --envelope, --combination, and projects in a batch.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/envelope_table.hpp"
#include "engine/span_accuracy.hpp"
#include "load_case/combination.hpp"
#include "load_case/envelope_csv.hpp"
#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"
#include "tools/korvel_solve/envelope_output.hpp"

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
    EXPECT_NE(table.out.find("uplift: hold down L0"), std::string::npos);
    const Outcome csv = run_solve({file.path(), "--format", "csv"});
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find(
                  "item,max,max_by,min,min_by,reverses,note\r\nL0L1,10.0012,D,-10.0012,0.5D + 0.5W,true,reverses\r\n"),
              std::string::npos)
        << csv.out;
    EXPECT_NE(csv.out.find("\r\nRL0,5,D,-5,0.5D + 0.5W,true,uplift: hold down L0\r\n"), std::string::npos) << csv.out;
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

// The project's envelope table, as the window makes it.
struct Expected {
    korvel::load_case::ProjectEnvelope answer;
    korvel::engine::EnvelopeTable table;
};

Expected expected_of(const std::string& text) {
    const auto project = std::get<korvel::load_case::Project>(korvel::load_case::read_case_file(text));
    Expected expected{std::get<korvel::load_case::ProjectEnvelope>(korvel::load_case::envelope_of(project)), {}};
    expected.table = korvel::engine::envelope_table(expected.answer.envelope, expected.answer.names);
    return expected;
}

std::vector<std::string> lines_of(const std::string& text, const char* end = "\n") {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + std::strlen(end))
        lines.push_back(text.substr(start, at - start));
    return lines;
}

// The text table is compared with the window's in envelope_view_test.
TEST(Envelope, CsvAndJsonCarryTheRowsNotesAndStatusOfTheOneTable) {
    const std::string text = with_huge(kProject);
    const CaseFile file("project.korvel.json", text);
    const Expected expected = expected_of(text);
    const auto& table = expected.table;

    // CSV: the same texts, names and notes, then the combination left out.
    const std::vector<std::string> csv =
        lines_of(run_solve({"--envelope", file.path(), "--format", "csv"}).out, "\r\n");
    ASSERT_EQ(csv.size(), 1 + table.members.size() + table.reactions.size() + 1);
    EXPECT_EQ(csv.back(), "not analysed,,,,,," + korvel::load_case::csv_field("Huge: " + table.failures.at(0).message));
    for (std::size_t r = 0; r < table.reactions.size(); ++r) {
        const auto& row = table.reactions[r];
        EXPECT_EQ(csv[1 + table.members.size() + r],
                  std::string(row.item) + "," + row.max + "," + std::string(row.max_by) + "," + row.min + "," +
                      std::string(row.min_by) + "," + (row.reverses ? "true," : "false,") + std::string(row.note));
    }

    // JSON: each note by its item, and the status.
    const auto json = nlohmann::ordered_json::parse(run_solve({"--envelope", file.path(), "--format", "json"}).out);
    nlohmann::ordered_json notes = nlohmann::ordered_json::object();
    for (const auto* rows : {&table.members, &table.reactions})
        for (const auto& row : *rows)
            if (!row.note.empty()) notes[std::string(row.item)] = row.note;
    EXPECT_EQ(json["envelope"]["notes"], notes);
    EXPECT_EQ(notes["RL0"], korvel::engine::kUpliftWords[0].words);
    EXPECT_EQ(json["envelope"]["status"], table.status);
}

TEST(Envelope, KeepsTheSmallSpanWarningOnStandardErrorAndInJson) {
    const std::string project =
        R"({"span":"0.5","cases":[{"name":"A","loads":{"U4.V":"1"}}],"combinations":[{"name":"c","factors":{"A":"1"}}]})";
    const std::string warning = korvel::engine::span_accuracy_warning("0.5")->message();
    const CaseFile file("small.korvel.json", project);
    for (const char* format : {"table", "csv", "json"}) {
        const Outcome outcome = run_solve({"--envelope", file.path(), "--format", format});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "korvel-solve: warning: " + warning + "\n");
        if (std::string_view(format) == "json") {
            EXPECT_EQ(nlohmann::ordered_json::parse(outcome.out)["warnings"], nlohmann::ordered_json::array({warning}));
        }
    }
    const auto line = nlohmann::ordered_json::parse(run_solve({"--batch"}, project + "\n").out);
    EXPECT_EQ(line["warnings"], nlohmann::ordered_json::array({warning}));
    EXPECT_EQ(line["envelope"]["complete"], true);
}

TEST(Batch, NumbersApplyToCaseLinesAndAProjectLineIsRefusedAsOnTheCommandLine) {
    std::string project(kProject);
    std::erase(project, '\n');
    const Outcome outcome = run_solve(
        {"--batch", "--numbers"}, std::string(R"({"span": "10", "loads": {"U4.V": "10"}})") + "\n" + project + "\n");
    EXPECT_EQ(outcome.status, 1);
    const std::vector<std::string> lines = lines_of(outcome.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(nlohmann::ordered_json::parse(lines[0])["forces"]["L0L1"].is_number());
    const auto refused = nlohmann::ordered_json::parse(lines[1])["error"];
    EXPECT_EQ(refused["kind"], "bad-request");
    EXPECT_NE(refused["message"].get<std::string>().find(korvel::solve::kNumbersNotForEnvelope), std::string::npos)
        << refused;
}

TEST(Envelope, CsvEscapesControlCharactersInNamesAsTheTableDoes) {
    const std::string project =
        R"({"span":"10","cases":[{"name":"A","loads":{"U4.V":"1"}}],"combinations":[{"name":"\u001b[31mred\u0007","factors":{"A":"1"}}]})";
    const CaseFile file("red.korvel.json", project);
    const std::string escaped = R"(\u001B[31mred\u0007)";
    for (const char* format : {"table", "csv"}) {
        const Outcome outcome = run_solve({"--envelope", file.path(), "--format", format});
        EXPECT_EQ(outcome.out.find('\x1b'), std::string::npos) << format;
        EXPECT_EQ(outcome.out.find('\a'), std::string::npos) << format;
        EXPECT_NE(outcome.out.find(escaped), std::string::npos) << format;
    }
}

}  // namespace
