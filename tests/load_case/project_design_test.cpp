#include <gtest/gtest.h>

#include <string>

#include "load_case/project.hpp"

namespace korvel::load_case {
namespace {

constexpr std::string_view kDesigned =
    R"({"span": "14.4",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U4.V": "0.85"}}],
 "combinations": [{"name": "1.35D", "factors": {"Dead": "1.35"}}],
 "units": {"force": "kN", "length": "m"},
 "design": {"code": "EN 1995-1-1", "service_class": "2", "material": "C24", "sections": {"top chord": "47x150", "bottom chord": "47x125", "webs": "47x75"}, "bracing": {"top chord": "0.6", "bottom chord": "2.4"}, "members": {"L0U1": "75x150"}, "candidates": {"webs": "47x75; 47x100"}}})";

// The design block is read as written and written back to the byte; a project
// without one is written exactly as before (ProjectFile's own tests).
TEST(ProjectDesign, SaveAndOpenGiveBackTheSameBytes) {
    const CaseFileRead read = read_case_file(kDesigned);
    const Project& project = std::get<Project>(read);
    ASSERT_TRUE(project.units && project.design);
    EXPECT_EQ(project.units->length, "m");
    EXPECT_EQ(project.design->sections[2], (NamedText{"webs", "47x75"}));
    EXPECT_EQ(write_project(project), kDesigned);
    // A number stands for its text, as loads do.
    const auto numeric = read_case_file(
        R"({"cases": [{"name": "A", "loads": {}}], "combinations": [{"name": "C", "factors": {"A": "1"}}], "design": {"service_class": 2}})");
    EXPECT_EQ(std::get<Project>(numeric).design->service_class, "2");
}

struct RefusedDesign {
    std::string_view file;
    std::string_view says;
};

class RefusedDesignBlock : public testing::TestWithParam<RefusedDesign> {};

TEST_P(RefusedDesignBlock, SaysWhatIsWrong) {
    const CaseFileRead read = read_case_file(GetParam().file);
    const std::string message = std::holds_alternative<FormatError>(read) ? std::get<FormatError>(read).message
                                                                          : std::get<ProjectError>(read).message;
    EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedDesignBlock,
    testing::Values(
        RefusedDesign{R"({"span": "1", "loads": {}, "units": {"force": "kN", "length": "m"}})", "belong to a project"},
        RefusedDesign{R"({"cases": [], "combinations": [], "units": {"force": "kN"}})", "needs both"},
        RefusedDesign{R"({"cases": [], "combinations": [], "units": {"force": "kN", "mass": "kg"}})", "\"mass\""},
        RefusedDesign{R"({"cases": [], "combinations": [], "design": {"code": "x", "code": "y"}})", "given twice"},
        RefusedDesign{R"({"cases": [], "combinations": [], "design": {"colour": "red"}})", "\"colour\""},
        RefusedDesign{R"({"cases": [], "combinations": [], "design": {"deflection_limits": {"S": "200", "S": "360"}}})",
                      "\"S\" is given twice in \"deflection_limits\""},
        RefusedDesign{R"({"cases": [], "combinations": [], "design": {"sections": "47x75"}})", "must be an object"}));

}  // namespace
}  // namespace korvel::load_case
