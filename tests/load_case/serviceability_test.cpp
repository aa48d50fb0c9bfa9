#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "load_case/combination.hpp"
#include "load_case/design_presets.hpp"
#include "load_case/serviceability.hpp"

namespace korvel::load_case {
namespace {

using engine::Component;
using engine::Deflections;
using engine::Node;

LoadCase case_of(std::string name, CaseKind kind, std::vector<std::pair<const char*, const char*>> loads) {
    LoadCase load_case{std::move(name), kind, {}};
    for (const auto& [key, text] : loads) load_case.loads[*engine::load_index_by_key(key)] = text;
    return load_case;
}

// A 9 m roof in kN and m: sheeting and ceiling, a snow load, a ceiling live load, wind suction.
const Project kRoof{
    "9",
    {case_of("Dead", CaseKind::Dead,
             {{"U1.V", "0.9"},
              {"U2.V", "0.9"},
              {"U3.V", "0.9"},
              {"U4.V", "0.9"},
              {"U5.V", "0.9"},
              {"U6.V", "0.9"},
              {"U7.V", "0.9"},
              {"L2.V", "0.4"},
              {"L3.V", "0.4"},
              {"L4.V", "0.4"}}),
     case_of("Snow", CaseKind::Snow, {{"U1.V", "1.3"}, {"U2.V", "1.3"}, {"U3.V", "1.3"}, {"U4.V", "0.65"}}),
     case_of("Storage", CaseKind::Live, {{"L3.V", "1.5"}}),
     case_of("Suction", CaseKind::Wind, {{"U1.V", "-0.8"}, {"U2.V", "-0.8"}, {"U1.H", "0.4"}, {"U2.H", "0.4"}})},
    {{"EN SLS 4: Dead + Snow + 0.7 Storage", {{"Dead", "1"}, {"Snow", "1"}, {"Storage", "0.7"}}},
     {"ASD 3: Dead + Snow + 0.6 Suction", {{"Dead", "1"}, {"Snow", "1"}, {"Suction", "0.6"}}}}};

engine::TrussStiffness c24_47x150() {
    engine::TrussStiffness stiffness{};
    stiffness.fill({0.047 * 0.150, 11e6});  // m² and kN/m² (E_0,mean 11,000 MPa)
    return stiffness;
}

struct Computed {
    engine::VirtualForces unit;
    std::vector<Deflections> cases;
};

Computed computed() {
    Computed c{std::get<engine::VirtualForces>(engine::virtual_forces(kRoof.span)), {}};
    c.cases = std::get<std::vector<Deflections>>(case_deflections(kRoof, c.unit, c24_47x150()));
    return c;
}

// A combination's deflections, its cases' times their factors, are those of its
// own analysis, but for the forces' rounding to four decimals (0.0001 kN of about 3 kN).
TEST(Serviceability, CombinationDeflectsAsTheFactoredSumOfItsCases) {
    const Computed c = computed();
    const auto inputs = std::get<std::vector<engine::AnalysisInput>>(combined_inputs(kRoof));
    for (std::size_t i = 0; i < kRoof.combinations.size(); ++i) {
        const Deflections own = engine::deflections(
            c.unit, std::get<engine::AnalysisResult>(engine::run_analysis(inputs[i])), c24_47x150());
        const Deflections summed = combination_deflections(kRoof, kRoof.combinations[i], c.cases, {}).instantaneous;
        for (std::size_t p = 0; p < engine::kDeflectionPointCount; ++p)
            EXPECT_NEAR(summed[p], own[p], 1e-4 * std::fabs(own[engine::largest_vertical(own).point]))
                << kRoof.combinations[i].name << " "
                << engine::deflection_point_description(engine::kDeflectionPoints[p]);
    }
}

struct CreepRow {
    int service_class;
    double k_def;  // EN 1995-1-1 Table 3.2, solid timber
};

class TimberCreep : public testing::TestWithParam<CreepRow> {};

// EN 1995-1-1 2.3.2.2 (2.3.2.2(1), equations 2.2 to 2.5) worked by hand for
// Dead + Snow + 0.7 Storage: u_fin = u_G(1 + k_def) + u_S(1 + 0·k_def) + u_L(0.7 + 0.3·k_def).
TEST_P(TimberCreep, FinalDeflectionOfTheCharacteristicCombination) {
    const CreepRow row = GetParam();
    EXPECT_EQ(deformation_factor(row.service_class), row.k_def);
    const Computed c = computed();
    const auto result = combination_deflections(kRoof, kRoof.combinations[0], c.cases,
                                                {Creep::Rule::En1995, deformation_factor(row.service_class)});
    ASSERT_TRUE(result.final);
    const std::size_t l3 = *engine::deflection_point_index(Node::L3, Component::Vertical);
    const double expected =
        c.cases[0][l3] * (1 + row.k_def) + c.cases[1][l3] * 1.0 + c.cases[2][l3] * (0.7 + 0.3 * row.k_def);
    EXPECT_NEAR((*result.final)[l3], expected, 1e-12);
    EXPECT_GT((*result.final)[l3], result.instantaneous[l3]);
}

INSTANTIATE_TEST_SUITE_P(ServiceClasses, TimberCreep,
                         testing::Values(CreepRow{1, 0.6}, CreepRow{2, 0.8}, CreepRow{3, 2.0}));

TEST(Serviceability, RefusesAServiceClassThatIsNotOneTwoOrThree) {
    for (const int service_class : {0, 4, -1}) EXPECT_THROW(deformation_factor(service_class), std::out_of_range);
}

// NDS 2018 3.5.2, equation (3.5-1): Δ_T = K_cr·Δ_LT + Δ_ST, the dead load long-term.
TEST(Serviceability, NdsLongTermDeflectionTakesTheDeadLoadsKcrTimes) {
    const Computed c = computed();
    const auto result =
        combination_deflections(kRoof, kRoof.combinations[1], c.cases, {Creep::Rule::Nds, kNdsCreepSeasonedDry});
    const std::size_t u4 = *engine::deflection_point_index(Node::U4, Component::Vertical);
    EXPECT_NEAR((*result.final)[u4], 1.5 * c.cases[0][u4] + c.cases[1][u4] + 0.6 * c.cases[3][u4], 1e-12);
}

// IBC Table 1604.3, roof members, by what the roof carries; each combination
// of the IBC preset falls in the column of its formula.
TEST(Serviceability, IbcRoofLimits) {
    EXPECT_EQ(ibc_roof_limit(Ceiling::Plaster, RoofCheck::LiveAlone), 360);
    EXPECT_EQ(ibc_roof_limit(Ceiling::NonPlaster, RoofCheck::SnowOrWindAlone), 240);
    EXPECT_EQ(ibc_roof_limit(Ceiling::None, RoofCheck::DeadPlusLive), 120);
    const DesignPreset& ibc = kDesignPresets.back();
    const std::pair<const char*, RoofCheck> columns[]{{"IBC 1: Storage", RoofCheck::LiveAlone},
                                                      {"IBC 2: Snow", RoofCheck::SnowOrWindAlone},
                                                      {"IBC 2: Suction", RoofCheck::SnowOrWindAlone},
                                                      {"IBC 3: Dead + Storage", RoofCheck::DeadPlusLive}};
    const std::vector<Combination> combinations = preset_combinations(ibc, kRoof.cases);
    ASSERT_EQ(combinations.size(), std::size(columns));
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        EXPECT_EQ(combinations[i].name, columns[i].first);
        EXPECT_EQ(roof_check(kRoof, combinations[i]), columns[i].second) << combinations[i].name;
    }
}

TEST(Serviceability, NamesTheCaseTheAnalysisRefuses) {
    Project project = kRoof;
    project.cases[2].loads[0] = "lots";
    const auto outcome = case_deflections(project, computed().unit, c24_47x150());
    ASSERT_TRUE(std::holds_alternative<CaseDeflectionError>(outcome));
    EXPECT_EQ(std::get<CaseDeflectionError>(outcome).case_name, "Storage");
}

// The design block names the serviceability combinations and the limit; they are
// read as written and written back to the byte.
TEST(Serviceability, DesignBlockKeepsItsCombinationsAndLimit) {
    constexpr std::string_view kDesigned =
        R"({"span": "9",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "0.85"}}],
 "combinations": [{"name": "EN SLS 1: Dead", "factors": {"Dead": "1"}}],
 "design": {"code": "EN 1995-1-1", "serviceability": ["EN SLS 1: Dead"], "deflection_limit": "300"}})";
    const CaseFileRead read = read_case_file(kDesigned);
    const Project& project = std::get<Project>(read);
    ASSERT_TRUE(project.design);
    EXPECT_EQ(project.design->serviceability, std::vector<std::string>{"EN SLS 1: Dead"});
    EXPECT_EQ(project.design->deflection_limit, "300");
    EXPECT_EQ(write_project(project), kDesigned);
    EXPECT_TRUE(std::holds_alternative<ProjectError>(
        read_case_file(R"({"cases": [], "combinations": [], "design": {"serviceability": "EN SLS 1: Dead"}})")));
}

}  // namespace
}  // namespace korvel::load_case
