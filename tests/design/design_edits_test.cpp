#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <variant>

#include "design/design_edits.hpp"
#include "design/project_design.hpp"
#include "tests/design/c24_roof.hpp"

namespace korvel::design {
namespace {

using load_case::Project;

// The C24 roof with the webs' section and the serviceability combinations still to be chosen.
Project roof() {
    Project project = design_testing::c24_roof();
    project.design->sections.pop_back();
    project.design->serviceability.clear();
    return project;
}

struct EditCase {
    const char* what;
    std::function<Project(Project)> edit;
    bool from_empty_design;  // the project starts without units or design block
    const char* written;     // what the project file then holds
    const char* gone = "";   // and no longer holds
};

class DesignEdit : public testing::TestWithParam<EditCase> {};

TEST_P(DesignEdit, WritesItsKeys) {
    Project project = roof();
    if (GetParam().from_empty_design) project.units.reset(), project.design.reset();
    const std::string file = load_case::write_project(GetParam().edit(project));
    EXPECT_NE(file.find(GetParam().written), std::string::npos) << file;
    if (*GetParam().gone != '\0') {
        EXPECT_EQ(file.find(GetParam().gone), std::string::npos) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, DesignEdit,
    testing::Values(
        EditCase{"units", [](Project p) { return set_units(std::move(p), ForceUnit::kip, LengthUnit::ft); }, true,
                 R"("units": {"force": "kip", "length": "ft"})"},
        EditCase{"a steel code replaces timber",
                 [](Project p) { return set_design_code(std::move(p), DesignCode::En1993); }, false,
                 R"("code": "EN 1993-1-1", "service_class": "2", "material": "S235")"},
        EditCase{"a code starts a design", [](Project p) { return set_design_code(std::move(p), DesignCode::En1995); },
                 true, R"("design": {"code": "EN 1995-1-1", "service_class": "2", "material": "C16"})"},
        EditCase{
            "NDS keeps a material it designs",
            [](Project p) { return set_design_code(set_material(std::move(p), "DF-L No. 2"), DesignCode::Nds2018Asd); },
            false, R"("material": "DF-L No. 2")"},
        EditCase{"service class", [](Project p) { return set_service_class(std::move(p), 3); }, false,
                 R"("service_class": "3")"},
        EditCase{"a group's section replaced", [](Project p) { return set_group_section(std::move(p), 1, "47x100"); },
                 false, R"("sections": {"top chord": "47x150", "bottom chord": "47x100"})"},
        EditCase{"a missing group's section added, as typed",
                 [](Project p) { return set_group_section(std::move(p), 2, "47x"); }, false,
                 R"("bottom chord": "47x125", "webs": "47x"})"},
        EditCase{"serviceability",
                 [](Project p) { return set_deflection_limit(set_serviceability(std::move(p), {"D + S"}), "250"); },
                 false, R"("serviceability": ["D + S"], "deflection_limit": "250")"},
        EditCase{"a combination's own limit, another's emptied",
                 [](Project p) {
                     p = set_serviceability(std::move(p), {"D + S", "1.35D + 1.5S"});
                     p = set_combination_deflection_limit(std::move(p), "1.35D + 1.5S", "200");
                     return set_combination_deflection_limit(
                         set_combination_deflection_limit(std::move(p), "D + S", "360"), "1.35D + 1.5S", " ");
                 },
                 false, R"("deflection_limits": {"D + S": "360"})", "200"},
        // IBC Table 1604.3: dead plus live (or snow) in its D + L column.
        EditCase{"the limits of a roof without a ceiling",
                 [](Project p) {
                     return set_roof_deflection_limits(set_serviceability(std::move(p), {"D + S", "Gone"}),
                                                       load_case::Ceiling::None);
                 },
                 false, R"("deflection_limits": {"D + S": "120"})", "Gone\": \""},
        EditCase{"a blank bracing braces at every node again",
                 [](Project p) {
                     return set_bracing(set_bracing(set_buckling_factor(std::move(p), 0, "0.9"), 0, "0.6"), 0, " ");
                 },
                 false, R"("buckling_factors": {"top chord": "0.9"})", "bracing"},
        EditCase{"a load duration, then another code without its words",
                 [](Project p) {
                     p = set_load_duration(set_load_duration(std::move(p), load_case::CaseKind::Snow, "medium-term"),
                                           load_case::CaseKind::Dead, "permanent");
                     return set_design_code(std::move(p), DesignCode::Nds2018Asd);
                 },
                 false, R"("load_duration": {"dead": "permanent"})", "medium-term"},
        EditCase{"partial factors go with their code",
                 [](Project p) {
                     p = set_partial_factor(set_design_code(std::move(p), DesignCode::En1993), 0, "1.05");
                     return set_partial_factor(std::move(p), 1, "1.1");
                 },
                 false, R"("partial_factors": {"gamma_M0": "1.05", "gamma_M1": "1.1"})"},
        EditCase{"partial factors gone with another code",
                 [](Project p) {
                     p = set_partial_factor(set_design_code(std::move(p), DesignCode::En1993), 0, "1.05");
                     return set_design_code(std::move(p), DesignCode::En1995);
                 },
                 false, R"("material": "C16")", "partial_factors"},
        EditCase{"a candidate list typed, another back to the code's",
                 [](Project p) {
                     p = set_candidates(set_candidates(std::move(p), 0, "47x150; 47x200"), 1, "");
                     return use_code_candidates(std::move(p), 1);
                 },
                 false, R"("candidates": {"top chord": "47x150; 47x200"})", "bottom chord\": \"\""},
        EditCase{"members' own sections, a blank one its group's again",
                 [](Project p) {
                     p = set_member_section(set_member_section(std::move(p), "L0U1", "75x200"), "U1U2", "47x1x");
                     return set_member_section(std::move(p), "U1U2", "");
                 },
                 false, R"("members": {"L0U1": "75x200"})", "U1U2"}));

struct FaultCase {
    const char* what;
    std::function<Project(Project)> edit;
    std::function<std::string(const SettingFaults&)> fault;
    const char* says;  // part of the fault; "" where the setting reads
};

// Beside each box, why what it holds does not read; the words of read_section for sections.
TEST(DesignEdits, EachSettingSaysWhyItDoesNotRead) {
    using load_case::CaseKind;
    const FaultCase cases[]{
        {"a missing section", [](Project p) { return p; }, [](auto& f) { return f.sections[2]; }, "section"},
        {"a buckling factor", [](Project p) { return set_buckling_factor(std::move(p), 1, "0,9"); },
         [](auto& f) { return f.buckling_factors[1]; }, "not a positive number"},
        {"a bracing", [](Project p) { return set_bracing(std::move(p), 0, "-1"); },
         [](auto& f) { return f.bracing[0]; }, "not a positive number"},
        {"a bracing that reads", [](Project p) { return set_bracing(std::move(p), 0, " 0.6 "); },
         [](auto& f) { return f.bracing[0]; }, ""},
        {"an empty candidate list", [](Project p) { return set_candidates(std::move(p), 2, " ; "); },
         [](auto& f) { return f.candidates[2]; }, "names no section"},
        {"a candidate", [](Project p) { return set_candidates(std::move(p), 2, "47x75; 47x1x; 7"); },
         [](auto& f) { return f.candidates[2]; }, "47x1x: "},
        {"a duration of another code",
         [](Project p) { return set_load_duration(std::move(p), CaseKind::Wind, "ten minutes"); },
         [](auto& f) { return f.durations[4]; }, "\"ten minutes\" is not one of permanent, long-term, medium-term"},
        {"a partial factor of timber", [](Project p) { return set_partial_factor(std::move(p), 1, "1.1"); },
         [](auto& f) { return f.partial_factors[1]; }, "only EN 1993-1-1"},
        {"a member's section", [](Project p) { return set_member_section(std::move(p), "L0U1", "47x"); },
         [](auto& f) { return f.members.at(0).name + " " + f.members.at(0).text; }, "L0U1 "},
        {"no member", [](Project p) { return set_member_section(std::move(p), "L9", "47x75"); },
         [](auto& f) { return f.members.at(0).text; }, "no member"},
    };
    for (const FaultCase& c : cases) {
        const Project project = c.edit(roof());
        const std::string fault = c.fault(setting_faults(*project.design));
        if (*c.says == '\0') {
            EXPECT_EQ(fault, "") << c.what;
        } else {
            EXPECT_NE(fault.find(c.says), std::string::npos) << c.what << ": " << fault;
        }
    }
    EXPECT_EQ(setting_faults(*design_testing::c24_roof().design).sections[2], "") << "the whole roof reads";
}

ProjectDesign designed(const Project& project) {
    auto answer = design_project(project);
    if (auto* error = std::get_if<DesignError>(&answer)) throw std::runtime_error(error->message);
    return std::get<ProjectDesign>(std::move(answer));
}

// Each group takes the section the search names, also where the group's own
// section is missing or mistyped; a group where nothing passes keeps its own.
TEST(DesignEdits, TheLightestSectionsAreThoseTheSearchNames) {
    Project project = set_group_section(roof(), 0, "47x1x");
    project.design->candidates = {{"bottom chord", "22x22"}};
    const Project edited = std::get<Project>(use_lightest_sections(project));
    const ProjectDesign answer = designed(edited);
    EXPECT_EQ(edited.design->sections[1].text, "47x125") << "nothing in its list passes";
    EXPECT_FALSE(answer.lightest[1].candidate);
    for (const std::size_t g : {0U, 2U}) {
        const auto& section = answer.design.candidates[g][answer.lightest[g].candidate.value()];
        EXPECT_EQ(answer.design.sections[g].name, section.name) << kGroupKeys[g];
    }

    project.units.reset();
    EXPECT_NE(std::get<DesignError>(use_lightest_sections(project)).message.find("units"), std::string::npos);
    project.design.reset();
    EXPECT_TRUE(std::holds_alternative<DesignError>(use_lightest_sections(project)));
}

}  // namespace
}  // namespace korvel::design
