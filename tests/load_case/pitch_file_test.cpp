// The roof pitch in case files and projects: read in any form, written back
// in one, and absent from the files of a 6:12 roof, which stay as they were.
#include <gtest/gtest.h>

#include <string>

#include "load_case/combination.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {
namespace {

TEST(PitchInFiles, ReadsEitherKeyAndWritesItBackAfterTheSpan) {
    const struct {
        const char* file;
        const char* pitch_text;
        const char* written;
    } cases[] = {
        {R"({"span": "12", "pitch": "30", "loads": {}})", "30°", R"({"span": "12", "pitch": "30°", "loads": {}})"},
        {R"({"pitch": "7/12", "span": "12", "loads": {}})", "7:12", R"({"span": "12", "pitch": "7:12", "loads": {}})"},
        {R"({"span": "12", "rise": 3.60, "loads": {}})", "rise 3.6", R"({"span": "12", "rise": "3.6", "loads": {}})"},
        {R"({"span": "12", "pitch": "rise 2", "loads": {}})", "rise 2", R"({"span": "12", "rise": "2", "loads": {}})"},
        {R"({"span": "12", "pitch": "6:12", "loads": {}})", "6:12", R"({"span": "12", "loads": {}})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto read = read_load_case(c.file);
        ASSERT_TRUE(std::holds_alternative<engine::AnalysisInput>(read)) << std::get<FormatError>(read).message;
        const auto& input = std::get<engine::AnalysisInput>(read);
        EXPECT_EQ(input.pitch.text, c.pitch_text);
        EXPECT_EQ(write_load_case(input), c.written);
        EXPECT_EQ(std::get<engine::AnalysisInput>(read_load_case(c.written)), input);
    }
}

TEST(PitchInFiles, ARefusedPitchNamesTheKeyAndThePitch) {
    for (const char* file :
         {R"({"span": "12", "pitch": "45", "loads": {}})", R"({"span": "12", "pitch": "steep", "loads": {}})",
          R"({"span": "12", "pitch": "30", "rise": "2", "loads": {}})"}) {
        const auto read = read_load_case(file);
        ASSERT_TRUE(std::holds_alternative<FormatError>(read)) << file;
        const std::string& message = std::get<FormatError>(read).message;
        EXPECT_NE(message.find("pitch"), std::string::npos) << message;
    }
}

// A batch reuses one input: a line without a pitch is a 6:12 roof again.
TEST(PitchInFiles, ALineWithoutAPitchForgetsTheLastOne) {
    engine::AnalysisInput input;
    ASSERT_FALSE(read_load_case(R"({"span": "12", "pitch": "30"})", input));
    ASSERT_FALSE(read_load_case(R"({"span": "12"})", input));
    EXPECT_TRUE(input.pitch.is_default());
}

TEST(PitchInFiles, AProjectKeepsItsPitchAndEveryCombinationUsesIt) {
    const std::string file =
        "{\"span\": \"12\", \"pitch\": \"35°\",\n"
        " \"cases\": [{\"name\": \"Dead\", \"kind\": \"dead\", \"loads\": {\"U4.V\": \"1\"}}],\n"
        " \"combinations\": [{\"name\": \"C\", \"factors\": {\"Dead\": \"1.2\"}}]}";
    const auto read = read_case_file(file);
    ASSERT_TRUE(std::holds_alternative<Project>(read));
    const Project& project = std::get<Project>(read);
    EXPECT_EQ(project.pitch.text, "35°");
    EXPECT_EQ(write_project(project), file);
    const auto inputs = std::get<std::vector<engine::AnalysisInput>>(combined_inputs(project));
    EXPECT_EQ(inputs.at(0).pitch, project.pitch);
    // The geometry the combinations share is the project's at its pitch.
    const auto outcomes = std::get<std::vector<engine::AnalysisOutcome>>(analyse_combinations(project));
    EXPECT_EQ(std::get<engine::AnalysisResult>(outcomes.at(0)),
              std::get<engine::AnalysisResult>(engine::run_analysis(inputs.at(0))));
}

}  // namespace
}  // namespace korvel::load_case
