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
};

class DesignEdit : public testing::TestWithParam<EditCase> {};

TEST_P(DesignEdit, WritesItsKeys) {
    Project project = roof();
    if (GetParam().from_empty_design) project.units.reset(), project.design.reset();
    const std::string file = load_case::write_project(GetParam().edit(project));
    EXPECT_NE(file.find(GetParam().written), std::string::npos) << file;
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
                 false, R"("serviceability": ["D + S"], "deflection_limit": "250")"}));

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
