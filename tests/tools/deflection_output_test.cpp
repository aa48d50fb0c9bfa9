#include <gtest/gtest.h>

#include <string>

#include "solve_process.hpp"
#include "tools/korvel_solve/deflection_output.hpp"

namespace korvel::solve {
namespace {

// A 9 m C24 roof in kN and m, 47x150 throughout, dead and snow on the top chord.
design::DeflectionCheck roof_check(const std::string& limit, const std::vector<load_case::NamedText>& own_limits = {}) {
    load_case::Project project;
    project.span = "9";
    load_case::LoadCase dead{"Dead", load_case::CaseKind::Dead, {}}, snow{"Snow", load_case::CaseKind::Snow, {}};
    for (const char* key : {"U1.V", "U2.V", "U3.V", "U4.V", "U5.V", "U6.V", "U7.V"}) {
        dead.loads[*engine::load_index_by_key(key)] = "0.6";
        snow.loads[*engine::load_index_by_key(key)] = "0.9";
    }
    project.cases = {dead, snow};
    project.combinations = {{"EN SLS 4: Dead + Snow", {{"Dead", "1"}, {"Snow", "1"}}}};
    const design::Material c24 = *design::material_from_name("C24");
    std::array<design::Section, engine::kMemberCount> sections;
    sections.fill(std::get<design::Section>(design::read_section("47x150", c24, design::UnitSystem::Metric)));
    const auto stiffness = design::member_stiffness(c24, sections, {design::ForceUnit::kN, design::LengthUnit::m});
    return std::get<design::DeflectionCheck>(design::check_deflections(
        project, stiffness, design::creep_of(true, false, 2), {"EN SLS 4: Dead + Snow"}, limit, own_limits));
}

// The keys the command line promises: every loaded node's vertical deflection,
// the roller's horizontal one, the largest with its limit, the final one beside.
TEST(DeflectionOutput, JsonHasEveryNodeTheLargestAndTheFinal) {
    const Json json = deflection_json(roof_check("300"));
    const Json& combination = json["combinations"]["EN SLS 4: Dead + Snow"];
    EXPECT_EQ(combination["nodes"].size(), 14U);
    EXPECT_EQ(combination["nodes"]["L6"]["vertical"], "0");
    EXPECT_TRUE(combination["nodes"]["L6"].contains("horizontal"));
    EXPECT_FALSE(combination["nodes"].contains("U8"));
    const Json& largest = combination["largest"];
    EXPECT_EQ(largest["limit"], "0.03");
    EXPECT_EQ(largest["value"], combination["nodes"][largest["node"].get<std::string>()]["vertical"]);
    EXPECT_TRUE(combination["final"]["largest"].contains("span_over"));
    EXPECT_EQ(json["passes"], true);
    EXPECT_EQ(deflection_json(roof_check("100000"))["passes"], false);
    EXPECT_NE(deflection_text(roof_check("100000"), "m").find("FAILS"), std::string::npos);
    // A combination's own limit is its "limit", its divisor beside.
    const design::DeflectionCheck own = roof_check("300", {{"EN SLS 4: Dead + Snow", "100000"}});
    const Json strict = deflection_json(own)["combinations"]["EN SLS 4: Dead + Snow"];
    EXPECT_EQ(strict["limit_divisor"], "100000");
    EXPECT_EQ(strict["largest"]["limit"], "0.00009");
    EXPECT_EQ(strict["passes"], false);
    EXPECT_NE(deflection_text(own, "m").find("its own limit span/100000 = 0.00009 m"), std::string::npos);
}

std::string designed_roof(const std::string& limit) {
    return R"({"span": "9", "cases": [{"name": "Dead", "kind": "dead", "loads": {"U2.V": "0.6", "U4.V": "0.6", "U6.V": "0.6"}},
 {"name": "Snow", "kind": "snow", "loads": {"U4.V": "1.8"}}],
 "combinations": [{"name": "1.35D + 1.5S", "factors": {"Dead": "1.35", "Snow": "1.5"}}, {"name": "D + S", "factors": {"Dead": "1", "Snow": "1"}}],
 "units": {"force": "kN", "length": "m"},
 "design": {"code": "EN 1995-1-1", "service_class": "2", "material": "C24", "sections": {"top chord": "47x150", "bottom chord": "47x150", "webs": "47x100"},
 "serviceability": ["D + S"], "deflection_limit": ")" +
           limit + R"("}})";
}

struct DesignRunRow {
    std::string limit;
    std::vector<std::string> arguments;
    int status;
    std::string says;
};

// --design reports the deflection and fails when it exceeds the limit; --working
// shows the virtual-work table of a node, and refuses a node without a load.
TEST(DeflectionOutput, DesignCommandReportsAndWorksOutTheDeflection) {
    const DesignRunRow rows[]{
        {"300", {"--format", "json"}, 0, R"("deflection":{"span":"9","limit_divisor":"300")"},
        {"100000", {}, 1, "FAILS"},
        {"300",
         {"--working", "--virtual-work", "L3"},
         0,
         "| Member | N (kN) | n | L (m) | A (m²) | E (kN/m²) | N·n·L/(E·A) (m) |"},
        {"300", {"--working", "--virtual-work", "L6.H"}, 0, "Horizontal movement of L6 by virtual work"},
        {"300", {"--working", "--virtual-work", "U8"}, 2, "U8 and U9 take no load"},
        {"300", {"--virtual-work", "L3"}, 2, "--virtual-work chooses the node of --working"},
        {"300", {"--working", "--member", "L0U1"}, 0, "Buckling out of plane (EN 1995-1-1 6.3.2), governing"},
        {"300", {"--working", "--member", "L0X9"}, 2, "--member \"L0X9\" is no member"},
        {"300", {"--member", "L0U1"}, 2, "--member chooses the member of --working"},
    };
    for (const DesignRunRow& row : rows) {
        std::vector<std::string> arguments{"--design", "-"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const testing_support::Outcome outcome = testing_support::run_solve(arguments, designed_roof(row.limit));
        EXPECT_EQ(outcome.status, row.status) << row.says << outcome.err;
        EXPECT_NE((outcome.out + outcome.err).find(row.says), std::string::npos) << outcome.out << outcome.err;
    }
}

}  // namespace
}  // namespace korvel::solve
