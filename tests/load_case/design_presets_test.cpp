#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "load_case/design_presets.hpp"

namespace korvel::load_case {
namespace {

LoadCase case_of(std::string name, CaseKind kind) {
    LoadCase load_case;
    load_case.name = std::move(name);
    load_case.kind = kind;
    load_case.loads[0] = "1";
    return load_case;
}

const std::vector<LoadCase> kThreeCaseRoof{case_of("Dead", CaseKind::Dead), case_of("Snow", CaseKind::Snow),
                                           case_of("Wind uplift", CaseKind::Wind)};

std::vector<std::string> names_of(const std::vector<Combination>& combinations) {
    std::vector<std::string> names;
    for (const Combination& combination : combinations) names.push_back(combination.name);
    return names;
}

struct PresetRow {
    std::size_t preset;
    std::vector<std::string> names;
};

class ThreeCaseRoof : public testing::TestWithParam<PresetRow> {};

// Worked by hand from the codes' equations: no live load, so the combinations led
// by it drop out, and the snow and wind that accompany also appear left out.
TEST_P(ThreeCaseRoof, GetsTheCodesCombinations) {
    const PresetRow& row = GetParam();
    EXPECT_EQ(names_of(preset_combinations(kDesignPresets[row.preset], kThreeCaseRoof)), row.names);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, ThreeCaseRoof,
    testing::Values(PresetRow{0,
                              {"LRFD 1: 1.4 Dead", "LRFD 3: 1.2 Dead + 1.6 Snow + 0.5 Wind uplift",
                               "LRFD 3: 1.2 Dead + 1.6 Snow", "LRFD 4: 1.2 Dead + 1.0 Wind uplift + 0.5 Snow",
                               "LRFD 4: 1.2 Dead + 1.0 Wind uplift", "LRFD 5: 0.9 Dead + 1.0 Wind uplift"}},
                    PresetRow{1,
                              {"ASD 1: Dead", "ASD 3: Dead + Snow", "ASD 5: Dead + 0.6 Wind uplift",
                               "ASD 6: Dead + 0.45 Wind uplift + 0.75 Snow", "ASD 6: Dead + 0.45 Wind uplift",
                               "ASD 7: 0.6 Dead + 0.6 Wind uplift"}},
                    PresetRow{2,
                              {"EN STR 1: 1.35 Dead", "EN STR 4: 1.35 Dead + 1.5 Snow + 0.9 Wind uplift",
                               "EN STR 4: 1.35 Dead + 1.5 Snow", "EN STR 5: 1.35 Dead + 1.5 Wind uplift + 0.75 Snow",
                               "EN STR 5: 1.35 Dead + 1.5 Wind uplift", "EN STR 6: 1.0 Dead + 1.5 Wind uplift"}},
                    PresetRow{3,
                              {"EN SLS 1: Dead", "EN SLS 4: Dead + Snow + 0.6 Wind uplift", "EN SLS 4: Dead + Snow",
                               "EN SLS 5: Dead + Wind uplift + 0.5 Snow", "EN SLS 5: Dead + Wind uplift"}},
                    PresetRow{4, {"EN QP 1: Dead"}}, PresetRow{5, {"IBC 2: Snow", "IBC 2: Wind uplift"}}));

TEST(DesignPresets, MapCasesByKindNotByPosition) {
    const std::vector<LoadCase> cases{case_of("Pressure", CaseKind::Wind), case_of("Hoist", CaseKind::Other),
                                      case_of("Roofing", CaseKind::Dead), case_of("Suction", CaseKind::Wind),
                                      case_of("Ceiling", CaseKind::Dead)};
    const auto combinations = preset_combinations(kDesignPresets[0], cases);
    ASSERT_EQ(names_of(combinations),
              (std::vector<std::string>{
                  "LRFD 1: 1.4 Roofing + 1.4 Ceiling", "LRFD 4: 1.2 Roofing + 1.2 Ceiling + 1.0 Pressure",
                  "LRFD 4: 1.2 Roofing + 1.2 Ceiling + 1.0 Suction", "LRFD 5: 0.9 Roofing + 0.9 Ceiling + 1.0 Pressure",
                  "LRFD 5: 0.9 Roofing + 0.9 Ceiling + 1.0 Suction"}));
    EXPECT_EQ(combinations.back().factors,
              (std::vector<Factor>{{"Roofing", "0.9"}, {"Ceiling", "0.9"}, {"Suction", "1.0"}}));
}

TEST(DesignPresets, GiveCombinationsAProjectAccepts) {
    std::vector<LoadCase> cases = kThreeCaseRoof;
    cases.push_back(case_of("Office", CaseKind::Live));
    cases.push_back(case_of("Maintenance", CaseKind::RoofLive));
    for (const DesignPreset& preset : kDesignPresets) {
        Project project{"14.4", cases, preset_combinations(preset, cases)};
        EXPECT_FALSE(project.combinations.empty()) << preset.title;
        EXPECT_EQ(check_project(project), std::nullopt) << preset.title;
    }
}

TEST(DesignPresets, StopAtTheProjectsLimit) {
    std::vector<LoadCase> cases{case_of("D", CaseKind::Dead)};
    for (int i = 0; i < 40; ++i) cases.push_back(case_of("W" + std::to_string(i), CaseKind::Wind));
    for (int i = 0; i < 40; ++i) cases.push_back(case_of("S" + std::to_string(i), CaseKind::Snow));
    EXPECT_EQ(preset_combinations(kDesignPresets[0], cases).size(), kProjectPartLimit);
}

}  // namespace
}  // namespace korvel::load_case
