#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "load_case/combination.hpp"

namespace korvel::load_case {
namespace {

using Loads = std::map<std::string, std::string>;

struct CaseRow {
    std::string name;
    Loads loads;
};

Project project_of(const std::vector<CaseRow>& cases, std::vector<Factor> factors) {
    Project project;
    project.span = "14.4";
    for (const CaseRow& row : cases) {
        LoadCase& load_case = project.cases.emplace_back();
        load_case.name = row.name;
        for (const auto& [key, text] : row.loads) load_case.loads[*engine::load_index_by_key(key)] = text;
    }
    project.combinations.push_back({"C", std::move(factors)});
    return project;
}

Loads loads_of(const engine::AnalysisInput& input) {
    Loads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (!input.loads[i].empty()) loads[engine::load_key(engine::kLoadMap[i])] = input.loads[i];
    }
    return loads;
}

Loads every_load(const std::string& text) {
    Loads loads;
    for (const engine::LoadSlot& slot : engine::kLoadMap) loads[engine::load_key(slot)] = text;
    return loads;
}

struct CombinationRow {
    const char* what;
    std::vector<CaseRow> cases;
    std::vector<Factor> factors;
    Loads combined;
};

class CombinedLoads : public testing::TestWithParam<CombinationRow> {};

TEST_P(CombinedLoads, AreTheExactSumsOfFactorTimesLoad) {
    const CombinationRow& row = GetParam();
    auto inputs = combined_inputs(project_of(row.cases, row.factors));
    ASSERT_TRUE(std::holds_alternative<std::vector<engine::AnalysisInput>>(inputs)) << row.what;
    const auto& input = std::get<std::vector<engine::AnalysisInput>>(inputs).at(0);
    EXPECT_EQ(input.span, "14.4") << row.what;
    EXPECT_EQ(loads_of(input), row.combined) << row.what;

    // Cases are found by name: the same cases in the other order give the same loads.
    std::vector<CaseRow> reversed(row.cases.rbegin(), row.cases.rend());
    auto again = combined_inputs(project_of(reversed, row.factors));
    EXPECT_EQ(loads_of(std::get<std::vector<engine::AnalysisInput>>(again).at(0)), row.combined) << row.what;

    // Analysed, the combination gives to the digit what its combined texts give, or the same error.
    const auto outcomes =
        std::get<std::vector<engine::AnalysisOutcome>>(analyse_combinations(project_of(row.cases, row.factors)));
    const engine::AnalysisOutcome typed = engine::run_analysis(input);
    if (const auto* result = std::get_if<engine::AnalysisResult>(&typed)) {
        EXPECT_EQ(std::get<engine::AnalysisResult>(outcomes.at(0)), *result) << row.what;
    } else {
        EXPECT_EQ(std::get<engine::AnalysisError>(outcomes.at(0)).message(),
                  std::get<engine::AnalysisError>(typed).message())
            << row.what;
    }
}

const std::string kThirty = "123456789012345678901234567890";

INSTANTIATE_TEST_SUITE_P(
    Awkward, CombinedLoads,
    testing::Values(
        CombinationRow{
            "a product finer than Fixed4", {{"D", {{"U1.V", "0.00005"}}}}, {{"D", "1.2"}}, {{"U1.V", "0.00006"}}},
        CombinationRow{"thirty-digit loads",
                       {{"D", {{"U4.V", kThirty}}}, {"W", {{"U4.V", "-" + kThirty + ".5"}}}},
                       {{"D", "1"}, {"W", "1"}},
                       {{"U4.V", "-0.5"}}},
        CombinationRow{
            "short texts whose sum outgrows 64 bits",
            {{"D", {{"U4.V", "999999999999999999"}, {"U1.V", "2"}}}, {"W", {{"U4.V", "999999999999999999"}}}},
            {{"D", "9"}, {"W", "1"}},
            {{"U1.V", "18"}, {"U4.V", "9999999999999999990"}}},
        CombinationRow{"negative factors and exponents",
                       {{"W", {{"U1.H", "0.95"}, {"U1.V", "-1.9e0"}}}},
                       {{"W", "-1.5"}},
                       {{"U1.H", "-1.425"}, {"U1.V", "2.85"}}},
        CombinationRow{"a sum of zero is no load",
                       {{"A", {{"U4.V", "1"}, {"L3.V", "7"}}}, {"B", {{"U4.V", "2"}}}},
                       {{"A", "2"}, {"B", "-1"}},
                       {{"L3.V", "14"}}},
        CombinationRow{
            "a factor applies to every load of its case", {{"D", every_load("1.5")}}, {{"D", "2"}}, every_load("3")},
        CombinationRow{"a case without a factor takes no part",
                       {{"D", {{"U2.V", "1"}}}, {"S", {{"U2.V", "100"}, {"U6.V", "100"}}}},
                       {{"D", "0.9"}},
                       {{"U2.V", "0.9"}}},
        CombinationRow{"sums half way between two Fixed4 values",
                       {{"D", {{"U1.V", "0.00005"}, {"U2.V", "0.00015"}, {"U3.V", "-0.00025"}, {"U4.V", "3.00035"}}}},
                       {{"D", "1"}},
                       {{"U1.V", "0.00005"}, {"U2.V", "0.00015"}, {"U3.V", "-0.00025"}, {"U4.V", "3.00035"}}},
        CombinationRow{"a sum beyond Fixed4",
                       {{"D", {{"U4.V", "99999999999999"}}}},
                       {{"D", "1000"}},
                       {{"U4.V", "99999999999999000"}}},
        CombinationRow{"factors in another order than the cases",
                       {{"D", {{"U4.V", "0.85"}}}, {"S", {{"U4.V", "1.6"}}}, {"W", {{"U4.V", "-1"}}}},
                       {{"W", "0.5"}, {"S", "1.6"}, {"D", "1.2"}},
                       {{"U4.V", "3.08"}}}));

TEST(AnalyseCombinations, GivesEachCombinationItsOwnOutcomeInOrder) {
    Project project = project_of({{"D", {{"U4.V", "10"}}}}, {{"D", "1"}});
    project.combinations.push_back({"Huge", {{"D", "1e18"}}});
    project.combinations.push_back({"Half", {{"D", "0.5"}}});
    auto outcomes = analyse_combinations(project);
    ASSERT_TRUE(std::holds_alternative<std::vector<engine::AnalysisOutcome>>(outcomes));
    const auto& all = std::get<std::vector<engine::AnalysisOutcome>>(outcomes);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<engine::AnalysisResult>(all[0]));
    ASSERT_TRUE(std::holds_alternative<engine::AnalysisError>(all[1]));
    EXPECT_EQ(std::get<engine::AnalysisError>(all[1]).kind, engine::ErrorKind::Overflow);
    EXPECT_TRUE(std::holds_alternative<engine::AnalysisResult>(all[2]));
    for (std::size_t c = 0; c < all.size(); ++c) {
        const auto alone = std::get<engine::AnalysisOutcome>(analyse_combination(project, c));
        ASSERT_EQ(alone.index(), all[c].index()) << c;
        if (const auto* result = std::get_if<engine::AnalysisResult>(&alone)) {
            EXPECT_EQ(*result, std::get<engine::AnalysisResult>(all[c])) << c;
        }
    }
    EXPECT_THROW(analyse_combination(project, all.size()), std::out_of_range);
    EXPECT_EQ(combination_index(project, "Half"), 2u);
    EXPECT_EQ(combination_index(project, "half"), std::nullopt);

    // A project that is not usable is analysed not at all.
    project.combinations[2].factors[0].case_name = "d";
    auto refused = analyse_combinations(project);
    ASSERT_TRUE(std::holds_alternative<ProjectError>(refused));
    EXPECT_EQ(std::get<ProjectError>(refused).fault, ProjectFault::UnknownCase);
}

}  // namespace
}  // namespace korvel::load_case
