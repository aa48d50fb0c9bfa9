#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/deflection_check.hpp"
#include "design/deflection_table.hpp"
#include "design/design_table.hpp"
#include "load_case/project.hpp"

namespace korvel::design {
namespace {

std::array<Section, engine::kMemberCount> all(const Section& section) {
    std::array<Section, engine::kMemberCount> sections;
    sections.fill(section);
    return sections;
}

Section read(std::string_view text, std::string_view material, UnitSystem system) {
    return std::get<Section>(read_section(text, *material_from_name(material), system));
}

struct StiffnessRow {
    const char* what;
    const char* material;
    const char* section;
    UnitSystem system;
    ProjectUnitChoice units;
    double area;     // in the project's length unit squared
    double modulus;  // in the project's force per length squared
};

// E_0,mean of C24 (EN 338:2016) is 11,000 MPa; NDS DF-L No. 2 E is 1,600,000 psi and a 2x6 is 1.5 × 5.5 in.
TEST(DeflectionCheck, MemberStiffnessInTheProjectsUnits) {
    const StiffnessRow rows[]{
        {"C24 in kN and m", "C24", "47x150", UnitSystem::Metric, {ForceUnit::kN, LengthUnit::m}, 0.00705, 11e6},
        {"C24 in N and mm", "C24", "47x150", UnitSystem::Metric, {ForceUnit::N, LengthUnit::mm}, 7050, 11000},
        {"DF-L in lbf and ft",
         "DF-L No. 2",
         "2x6",
         UnitSystem::UsCustomary,
         {ForceUnit::lbf, LengthUnit::ft},
         8.25 / 144,
         1.6e6 * 144},
        {"DF-L in kip and in",
         "DF-L No. 2",
         "2x6",
         UnitSystem::UsCustomary,
         {ForceUnit::kip, LengthUnit::in},
         8.25,
         1600},
    };
    for (const StiffnessRow& row : rows) {
        const engine::TrussStiffness stiffness = member_stiffness(
            *material_from_name(row.material), all(read(row.section, row.material, row.system)), row.units);
        EXPECT_NEAR(stiffness[5].area, row.area, 1e-12 * row.area) << row.what;
        EXPECT_NEAR(stiffness[5].modulus, row.modulus, 1e-12 * row.modulus) << row.what;
    }
}

load_case::LoadCase case_of(std::string name, load_case::CaseKind kind, const char* load) {
    load_case::LoadCase load_case{std::move(name), kind, {}};
    for (const char* key : {"U1.V", "U2.V", "U3.V", "U4.V", "U5.V", "U6.V", "U7.V"})
        load_case.loads[*engine::load_index_by_key(key)] = load;
    return load_case;
}

// A 9 m C24 roof in kN and m, every member 47x150 at 600 mm centres.
const load_case::Project kRoof{
    "9",
    {case_of("Dead", load_case::CaseKind::Dead, "0.6"), case_of("Snow", load_case::CaseKind::Snow, "0.9")},
    {{"EN SLS 4: Dead + Snow", {{"Dead", "1"}, {"Snow", "1"}}}, {"EN QP 1: Dead", {{"Dead", "1"}}}}};

engine::TrussStiffness c24() {
    return member_stiffness(*material_from_name("C24"), all(read("47x150", "C24", UnitSystem::Metric)),
                            {ForceUnit::kN, LengthUnit::m});
}

TEST(DeflectionCheck, ComparesTheLargestDeflectionWithTheSpanOverTheLimit) {
    const load_case::Creep creep = creep_of(true, false, 2);
    EXPECT_EQ(creep.factor, 0.8);
    const auto check = std::get<DeflectionCheck>(
        check_deflections(kRoof, c24(), creep, {"EN SLS 4: Dead + Snow", "EN QP 1: Dead"}, "300"));
    ASSERT_EQ(check.combinations.size(), 2U);
    EXPECT_DOUBLE_EQ(check.limit, 0.03);
    const CombinationDeflection& characteristic = check.combinations[0];
    ASSERT_TRUE(characteristic.largest_final);
    EXPECT_GT(characteristic.largest_final->value, characteristic.largest.value);
    EXPECT_EQ(characteristic.passes, std::fabs(characteristic.largest_final->value) <= 0.03);
    // A limit the roof cannot meet fails it.
    const auto strict =
        std::get<DeflectionCheck>(check_deflections(kRoof, c24(), creep, {"EN SLS 4: Dead + Snow"}, "100000"));
    EXPECT_FALSE(strict.passes);
    EXPECT_GT(span_over(strict.span, strict.combinations[0].largest.value), 100);
    // A combination's own limit decides it alone; the other keeps the design's.
    const auto own = std::get<DeflectionCheck>(check_deflections(
        kRoof, c24(), creep, {"EN SLS 4: Dead + Snow", "EN QP 1: Dead"}, "300", {{"EN QP 1: Dead", "100000"}}));
    EXPECT_TRUE(own.combinations[0].passes);
    EXPECT_FALSE(own.combinations[1].passes);
    EXPECT_FALSE(own.passes);
    EXPECT_DOUBLE_EQ(own.combinations[0].limit, 0.03);
    EXPECT_DOUBLE_EQ(own.combinations[1].limit, 9.0 / 100000);
    const std::vector<DeflectionTableRow> rows = deflection_table(own);
    EXPECT_EQ(rows[0].cells[5], deflection_length_text(0.03));
    EXPECT_EQ(rows[2].cells[5], deflection_length_text(9.0 / 100000) + " (span/100000)");
    EXPECT_NE(deflection_caption(own, "m").find(kOwnLimitsWords), std::string::npos);
}

// The table shows each combination's instantaneous row, then its final row with creep, in the check's figures.
TEST(DeflectionCheck, TableRowsSayWhatTheCheckFound) {
    const auto check = std::get<DeflectionCheck>(
        check_deflections(kRoof, c24(), creep_of(true, false, 2), {"EN SLS 4: Dead + Snow", "EN QP 1: Dead"}, "300"));
    const std::vector<DeflectionTableRow> rows = deflection_table(check);
    ASSERT_EQ(rows.size(), 4U);
    const CombinationDeflection& first = check.combinations[0];
    const std::array<std::string, kDeflectionColumnCount> instantaneous{
        first.name,
        std::string(kInstantaneousWords),
        deflection_length_text(first.largest.value),
        std::string(engine::node_name(engine::kDeflectionPoints[first.largest.point].node)),
        span_over_text(check.span, first.largest.value),
        deflection_length_text(check.limit),
        std::string(first.passes ? kPassesWords : kFailsWords),
        deflection_length_text(first.deflections.instantaneous[engine::kRollerSpreadPoint])};
    EXPECT_EQ(rows[0].cells, instantaneous);
    EXPECT_EQ(rows[1].cells[1], kFinalWords);
    EXPECT_EQ(rows[1].cells[2], deflection_length_text(first.largest_final->value));
    EXPECT_EQ(rows[3].cells[0], "EN QP 1: Dead");
    EXPECT_EQ(deflection_heading(kDeflectionColumns[2], "m"), "Largest (m)");
    EXPECT_EQ(deflection_caption(check, "m").substr(0, 73),
              "Deflection by virtual work (vertical positive downward), limit span/300 =");
}

// The creep factors shown under the table: EN 1995-1-1's k_def with EN 1990's ψ
// by kind of case, NDS's K_cr, nothing for steel.
TEST(DeflectionCheck, CreepFactorsNameTheirRuleAndValues) {
    const auto en = creep_factor_table(creep_of(true, false, 3));
    ASSERT_EQ(en.size(), load_case::kCaseKinds.size());
    EXPECT_EQ(en[1].cells,
              (std::array<std::string, 4>{"live", "imposed, category A: domestic, residential", "0.7", "0.3"}));
    EXPECT_NE(creep_factors_caption(creep_of(true, false, 3)).find("k_def = 2 (Table 3.2)"), std::string::npos);
    EXPECT_NE(creep_factors_caption(creep_of(false, true, 2)).find("K_cr = 1.5"), std::string::npos);
    EXPECT_TRUE(creep_factor_table(creep_of(false, true, 2)).empty());
    EXPECT_EQ(creep_factors_caption(creep_of(false, false, 2)), "");
}

TEST(DeflectionCheck, RefusesWhatItCannotCheck) {
    struct Row {
        std::vector<std::string> names;
        const char* limit;
        std::vector<load_case::NamedText> own_limits;
        const char* says;
    };
    const Row rows[]{
        {{"Nothing"}, "300", {}, "\"Nothing\" is not a combination"},
        {{"EN QP 1: Dead"}, "0", {}, "\"0\" is not a positive number"},
        {{"EN QP 1: Dead"}, "three hundred", {}, "\"three hundred\" is not a positive number"},
        {{"EN QP 1: Dead"}, "300", {{"EN QP 1: Dead", "-360"}}, "limit of \"EN QP 1: Dead\" \"-360\" is not"},
        {{"EN QP 1: Dead"}, "300", {{"EN QP 2", "360"}}, "\"EN QP 2\" names no combination"},
    };
    for (const Row& row : rows) {
        const auto outcome = check_deflections(kRoof, c24(), {}, row.names, row.limit, row.own_limits);
        ASSERT_TRUE(std::holds_alternative<std::string>(outcome)) << row.says;
        EXPECT_NE(std::get<std::string>(outcome).find(row.says), std::string::npos) << std::get<std::string>(outcome);
    }
}

// The design block decides everything: sections by group (an override per
// member), E_0,mean of its material, k_def of its service class, its combinations and limit.
TEST(DeflectionCheck, FollowsTheProjectsDesign) {
    load_case::Project project = kRoof;
    project.units = load_case::ProjectUnits{"kN", "m"};
    load_case::DesignSettings settings;
    settings.code = "EN 1995-1-1";
    settings.service_class = "3";
    settings.material = "C24";
    settings.sections = {{"top chord", "47x150"}, {"bottom chord", "47x150"}, {"webs", "47x150"}};
    settings.members = {{"L3U4", "47x100"}};
    project.design = settings;
    const Design design = std::get<Design>(read_design(project));
    EXPECT_EQ(design_deflections(project, design), std::nullopt);

    project.design->serviceability = {"EN SLS 4: Dead + Snow"};
    project.design->deflection_limit = "250";
    const engine::TrussStiffness stiffness = member_stiffness(design);
    EXPECT_NEAR(stiffness[engine::to_index(engine::Member::L3U4)].area, 0.0047, 1e-15);
    const auto check = std::get<DeflectionCheck>(*design_deflections(project, design));
    EXPECT_EQ(check.creep.factor, 2.0);
    EXPECT_DOUBLE_EQ(check.limit, 9.0 / 250);
    const auto direct = std::get<DeflectionCheck>(
        check_deflections(project, stiffness, creep_of(true, false, 3), {"EN SLS 4: Dead + Snow"}, "250"));
    EXPECT_EQ(check.combinations[0].largest_final->value, direct.combinations[0].largest_final->value);
}

}  // namespace
}  // namespace korvel::design
