// korvel-solve --design: the member design of a project in every format, and its exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "design/design_table.hpp"
#include "tests/tools/case_file.hpp"
#include "tests/tools/solve_process.hpp"

namespace {

using korvel::testing_support::CaseFile;
using korvel::testing_support::Outcome;
using korvel::testing_support::run_solve;

std::string roof(std::string_view webs, std::string_view extra = "") {
    return std::string(R"({"span": "14.4",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U2.V": "3.4", "U4.V": "3.4", "U6.V": "3.4"}},
           {"name": "Snow", "kind": "snow", "loads": {"U2.V": "4", "U4.V": "4", "U6.V": "4"}}],
 "combinations": [{"name": "1.35D", "factors": {"Dead": "1.35"}},
                  {"name": "1.35D + 1.5S", "factors": {"Dead": "1.35", "Snow": "1.5"}}],
 "units": {"force": "kN", "length": "m"},
 "design": {"code": "EN 1995-1-1", "service_class": 2, "material": "C24", "sections": {"top chord": "75x200", "bottom chord": "75x150", "webs": ")") +
           std::string(webs) + "\"}" + std::string(extra) + "}}";
}

TEST(DesignCommand, ExitStatusSaysWhetherEveryMemberPasses) {
    struct Row {
        std::string project;
        std::vector<std::string> arguments;
        int status;
        std::string_view says;  // in the output, or in the error when the status is 2
    };
    const std::vector<Row> rows{
        {roof("75x100"), {"--design", "FILE"}, 0, "Result: every member passes"},
        {roof("22x25"), {"--design", "FILE"}, 1, "FAILS"},
        {roof("22x25"), {"--design", "FILE", "--format", "csv"}, 1, "FAILS"},
        {roof("47x75", R"(, "code": "EN 1993-1-1")"), {"--design", "FILE"}, 2, "\"code\" is given twice"},
        {roof("47x75x3"), {"--design", "FILE"}, 2, "webs: section \"47x75x3\""},
        {R"({"cases": [{"name": "D", "loads": {"U4.V": "1"}}], "combinations": [{"name": "C", "factors": {"D": "1"}}], "span": "10"})",
         {"--design", "FILE"},
         2,
         "no \"design\""},
        {R"({"span": "10", "loads": {"U4.V": "1"}})", {"--design", "FILE"}, 2, "without --design"},
        {roof("47x75"), {"--design", "FILE", "--numbers", "--format", "json"}, 2, "--numbers"},
    };
    for (const Row& row : rows) {
        const CaseFile file("roof.korvel.json", row.project);
        std::vector<std::string> arguments = row.arguments;
        for (std::string& argument : arguments) {
            if (argument == "FILE") argument = file.path();
        }
        const Outcome outcome = run_solve(arguments);
        EXPECT_EQ(outcome.status, row.status) << row.says << outcome.err;
        const std::string& where = row.status == 2 ? outcome.err : outcome.out;
        EXPECT_NE(where.find(row.says), std::string::npos) << where;
    }
}

TEST(DesignCommand, JsonHasTheKeysOfTheDesignSheet) {
    const CaseFile file("roof.korvel.json", roof("47x75"));
    const Outcome outcome = run_solve({"--design", file.path(), "--format", "json"});
    const auto json = nlohmann::ordered_json::parse(outcome.out);
    EXPECT_EQ(json["units"], nlohmann::ordered_json::parse(R"({"force": "kN", "length": "m"})"));
    EXPECT_EQ(json["code"], "EN 1995-1-1");
    EXPECT_EQ(json["sections"]["top chord"]["name"], "C24 75x200");
    EXPECT_EQ(json["sections"]["top chord"]["A"], "15000.00");
    EXPECT_EQ(json["sections"]["top chord"]["unit"], "mm");
    ASSERT_EQ(json["members"].size(), 29u);
    const auto& member = json["members"]["L0U1"];
    for (const char* key : {"group", "section", "length", "buckling_length_in_plane", "buckling_length_out_of_plane",
                            "utilisation", "governing", "check", "design_force", "resistance", "passes", "warnings"}) {
        EXPECT_TRUE(member.contains(key)) << key;
    }
    EXPECT_EQ(member["group"], "top chord");
    EXPECT_EQ(member["governing"], "1.35D + 1.5S");
    EXPECT_TRUE(member["utilisation"].is_string());
    EXPECT_EQ(json["passes"], outcome.status == 0);
    EXPECT_EQ(json["complete"], true);
    // The CSV's header is the design table's own.
    const Outcome csv = run_solve({"--design", file.path(), "--format", "csv"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
              "Member,Group,Section,Governing combination,Design force (kN),Check,Resistance (kN),Utilisation,Result,"
              "Warnings");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 30);
}

}  // namespace
