#include <gtest/gtest.h>

#include <string>

#include "load_case/project.hpp"

namespace korvel::load_case {
namespace {

constexpr std::string_view kRoof =
    R"({"span": "14.4",
 "cases": [{"name": "Dead", "kind": "dead", "loads": {"U1.V": "0.85", "U4.V": "0.85"}},
           {"name": "Snow", "kind": "snow", "loads": {"U4.V": "1.6"}},
           {"name": "Wind uplift", "kind": "wind", "loads": {"U1.H": "0.95", "U1.V": "-1.9"}}],
 "combinations": [{"name": "1.2D + 1.6S", "factors": {"Dead": "1.2", "Snow": "1.6"}},
                  {"name": "0.9D + 1.0W", "factors": {"Dead": "0.9", "Wind uplift": "1"}}]})";

Project read_project(std::string_view text) {
    CaseFileRead read = read_case_file(text);
    if (auto* error = std::get_if<ProjectError>(&read)) throw std::runtime_error(error->message);
    if (auto* error = std::get_if<FormatError>(&read)) throw std::runtime_error(error->message);
    return std::get<Project>(std::move(read));
}

TEST(ProjectFile, ReadsCasesAndCombinationsByName) {
    const Project project = read_project(kRoof);
    EXPECT_EQ(project.span, "14.4");
    ASSERT_EQ(project.cases.size(), 3u);
    EXPECT_EQ(project.cases[2].name, "Wind uplift");
    EXPECT_EQ(project.cases[2].kind, CaseKind::Wind);
    EXPECT_EQ(project.cases[2].loads[*engine::load_index_by_key("U1.V")], "-1.9");
    ASSERT_EQ(project.combinations.size(), 2u);
    EXPECT_EQ(project.combinations[1].factors, (std::vector<Factor>{{"Dead", "0.9"}, {"Wind uplift", "1"}}));
}

// Saved, opened and saved again, a project gives back the same bytes.
TEST(ProjectFile, SaveAndOpenGiveBackTheSameBytes) {
    Project awkward;
    awkward.span = "1e-400";
    awkward.cases.push_back(
        {"\"Quoted\" \\ d\xC3\xA9"
         "ad\n",
         CaseKind::RoofLive,
         {}});
    awkward.cases.back().loads[0] = std::string(30, '9') + ".000000000000000000000000000001";
    awkward.cases.push_back({"\xE5\xB0\xBA", CaseKind::Live, {}});
    awkward.combinations.push_back({"only", {{awkward.cases[1].name, "-0.5e1"}, {awkward.cases[0].name, "  1 "}}});
    for (const Project& project : {read_project(kRoof), awkward}) {
        const std::string saved = write_project(project);
        EXPECT_EQ(read_project(saved), project);
        EXPECT_EQ(write_project(read_project(saved)), saved);
    }
    EXPECT_EQ(write_project(read_project(kRoof)), kRoof);
    // Numbers stand for their own text; a missing kind is "other".
    const Project numbers = read_project(
        R"({"cases": [{"name": "A", "loads": {"U4.V": 1.50}}], "combinations": [{"name": "C", "factors": {"A": 1E-3}}]})");
    EXPECT_EQ(numbers.cases[0].kind, CaseKind::Other);
    EXPECT_EQ(numbers.cases[0].loads[*engine::load_index_by_key("U4.V")], "1.50");
    EXPECT_EQ(numbers.combinations[0].factors[0].text, "1E-3");
}

// A file of one case is read as read_load_case reads it, whatever it holds.
TEST(ProjectFile, ASingleCaseStaysASingleCase) {
    for (const char* text : {R"({})", R"({"span": "16", "loads": {"U4.V": "10", "L0.H": "x"}})", R"({"span": 12})"}) {
        const CaseFileRead read = read_case_file(text);
        ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read)) << text;
        EXPECT_EQ(write_load_case(std::get<engine::AnalysisInput>(read)),
                  write_load_case(std::get<engine::AnalysisInput>(read_load_case(text))));
    }
}

std::string project_with(std::string_view cases, std::string_view combinations) {
    return "{\"span\": \"10\", \"cases\": [" + std::string(cases) + "], \"combinations\": [" +
           std::string(combinations) + "]}";
}

std::string many(std::string_view element, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out += ", ";
        std::string named(element);
        named.replace(named.find('#'), 1, std::to_string(i));
        out += named;
    }
    return out;
}

struct BadProject {
    std::string text;
    ProjectFault fault;
    std::string part;
    std::string says;
};

class RefusedProject : public testing::TestWithParam<BadProject> {};

TEST_P(RefusedProject, NamesThePartAndWhatIsWrong) {
    const CaseFileRead read = read_case_file(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<ProjectError>(read)) << GetParam().text.substr(0, 200);
    const ProjectError& error = std::get<ProjectError>(read);
    EXPECT_EQ(error.fault, GetParam().fault) << error.message;
    EXPECT_EQ(error.part, GetParam().part) << error.message;
    EXPECT_TRUE(error.message.starts_with(error.part)) << error.message;
    EXPECT_NE(error.message.find(GetParam().says), std::string::npos) << error.message;
}

const std::string kDead = R"({"name": "Dead", "kind": "dead", "loads": {"U4.V": "1"}})";
const std::string kByDead = R"({"name": "C", "factors": {"Dead": "1.2"}})";

INSTANTIATE_TEST_SUITE_P(
    EveryClass, RefusedProject,
    testing::Values(
        BadProject{project_with(kDead + ", " + kDead, kByDead), ProjectFault::RepeatedName, "case \"Dead\"",
                   "two cases"},
        BadProject{project_with(kDead, kByDead + ", " + kByDead), ProjectFault::RepeatedName, "combination \"C\"",
                   "two combinations"},
        // Names that look the same are the same name (NFC, blanks at the ends left out).
        BadProject{project_with(R"({"name": "\u00c5"}, {"name": "A\u030a"})", kByDead), ProjectFault::RepeatedName,
                   "case \"A\u030a\"", "the same name as case \"\u00c5\""},
        BadProject{
            project_with(kDead, R"({"name": "C ", "factors": {"Dead": 1}}, {"name": "C", "factors": {"Dead": 2}})"),
            ProjectFault::RepeatedName, "combination \"C\"", "the same name as combination \"C \""},
        BadProject{project_with(kDead, R"({"name": "C", "factors": {"Dead": "1", "Dead": "2"}})"),
                   ProjectFault::RepeatedName, "combination \"C\"", "\"Dead\" is given twice"},
        BadProject{project_with(kDead, R"({"name": "C", "factors": {"dead": "1.2"}})"), ProjectFault::UnknownCase,
                   "combination \"C\"", "factor of \"dead\" names no case"},
        BadProject{project_with(kDead, R"({"name": "C", "factors": {"Dead": "1,2"}})"), ProjectFault::NotANumber,
                   "combination \"C\"", "the factor of \"Dead\" is not a number: \"1,2\""},
        BadProject{project_with(R"({"name": "Dead", "loads": {"U4.V": "ten"}})", kByDead), ProjectFault::NotANumber,
                   "case \"Dead\"", "load U4.V is not a number: \"ten\""},
        BadProject{project_with(R"({"name": "Dead", "loads": {"U4.V": "1e5000"}})", kByDead), ProjectFault::OutOfRange,
                   "case \"Dead\"", "more than 1000 digits"},
        BadProject{project_with(kDead, R"({"name": "C", "factors": {}})"), ProjectFault::NoFactor, "combination \"C\"",
                   "no factor"},
        BadProject{project_with(kDead, ""), ProjectFault::NoCombination, "", "no combination"},
        BadProject{R"({"cases": []})", ProjectFault::NoCombination, "", "no combination"},
        BadProject{project_with(R"({"name": "", "loads": {}})", kByDead), ProjectFault::EmptyName, "case 1", "no name"},
        BadProject{project_with(kDead + R"(, {"kind": "snow"})", kByDead), ProjectFault::EmptyName, "case 2",
                   "no \"name\""},
        BadProject{project_with(kDead, R"({"name": "", "factors": {"Dead": 1}})"), ProjectFault::EmptyName,
                   "combination 1", "no name"},
        BadProject{project_with(many(R"({"name": "#"})", 1001), kByDead), ProjectFault::TooMany, "",
                   "more than 1000 entries"},
        BadProject{project_with(kDead, many(R"({"name": "#", "factors": {"Dead": 1}})", 1001)), ProjectFault::TooMany,
                   "", "more than 1000 entries"},
        BadProject{project_with(R"({"name": "Dead", "kind": "Dead"})", kByDead), ProjectFault::Shape, "case \"Dead\"",
                   "kind \"Dead\" is not one of dead, live, roof-live"},
        BadProject{project_with(R"({"name": "Dead", "loads": {"U8.V": 1}})", kByDead), ProjectFault::Shape,
                   "case \"Dead\"", "\"U8.V\" is not a load"},
        BadProject{project_with(kDead, R"({"name": "C", "factors": {"Dead": null}})"), ProjectFault::Shape,
                   "combination \"C\"", "\"Dead\" must be a text in quotes or a number, not null"},
        BadProject{project_with(kDead, R"({"name": "C", "factor": {}})"), ProjectFault::Shape, "combination \"C\"",
                   "unknown key \"factor\""},
        BadProject{project_with(R"({"name": 5})", kByDead), ProjectFault::Shape, "case 1", "a name must be a text"},
        BadProject{project_with(R"("Dead")", kByDead), ProjectFault::Shape, "case 1", "must be an object"},
        BadProject{R"({"cases": {}, "combinations": []})", ProjectFault::Shape, "", "\"cases\" must be an array"},
        BadProject{R"({"loads": {}, "cases": []})", ProjectFault::Shape, "", "either \"loads\""},
        BadProject{R"({"combinations": [], "loads": {}})", ProjectFault::Shape, "", "either \"loads\""}));

// Projects built in a window are checked by the same rules as files.
TEST(CheckProject, RefusesTooManyCasesMadeInMemory) {
    Project project;
    for (std::size_t i = 0; i <= kProjectPartLimit; ++i)
        project.cases.push_back({std::to_string(i), CaseKind::Dead, {}});
    project.combinations.push_back({"C", {{"0", "1"}}});
    ASSERT_TRUE(check_project(project));
    EXPECT_EQ(check_project(project)->fault, ProjectFault::TooMany);
    project.cases.pop_back();
    EXPECT_FALSE(check_project(project));
}

}  // namespace
}  // namespace korvel::load_case
