#include "load_case/combination.hpp"

#include <algorithm>
#include <unordered_map>

#include "engine/exact_decimal.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;

// check_project has refused every text that does not read.
ExactDecimal exact(const std::string& text) { return std::get<ExactDecimal>(ExactDecimal::read(text)); }

// A case's loads read once, for all the combinations that use it; nothing where it has no load.
using CaseLoads = std::array<std::optional<ExactDecimal>, engine::kLoadCount>;

CaseLoads read_loads(const LoadCase& load_case) {
    CaseLoads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (!load_case.loads[i].empty()) loads[i] = exact(load_case.loads[i]);
    }
    return loads;
}

}  // namespace

std::variant<std::vector<engine::AnalysisInput>, ProjectError> combined_inputs(const Project& project) {
    if (auto error = check_project(project)) return std::move(*error);
    std::unordered_map<std::string_view, CaseLoads> cases;
    for (const LoadCase& load_case : project.cases) cases.emplace(load_case.name, read_loads(load_case));

    std::vector<engine::AnalysisInput> inputs(project.combinations.size());
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        std::array<ExactDecimal, engine::kLoadCount> sums;
        for (const Factor& factor : project.combinations[c].factors) {
            const ExactDecimal value = exact(factor.text);
            const CaseLoads& loads = cases.at(factor.case_name);
            for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
                if (loads[i]) sums[i] += value * *loads[i];
            }
        }
        engine::AnalysisInput& input = inputs[c];
        input.span = project.span;
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            if (!sums[i].is_zero()) input.loads[i] = sums[i].text();
        }
    }
    return inputs;
}

std::variant<std::vector<engine::AnalysisOutcome>, ProjectError> analyse_combinations(const Project& project) {
    auto inputs = combined_inputs(project);
    if (auto* error = std::get_if<ProjectError>(&inputs)) return std::move(*error);
    std::vector<engine::AnalysisOutcome> outcomes;
    outcomes.reserve(project.combinations.size());
    for (const engine::AnalysisInput& input : std::get<std::vector<engine::AnalysisInput>>(inputs)) {
        outcomes.push_back(engine::run_analysis(input));
    }
    return outcomes;
}

std::optional<std::size_t> combination_index(const Project& project, std::string_view name) {
    const auto& all = project.combinations;
    const auto found = std::find_if(all.begin(), all.end(), [&](const Combination& c) { return c.name == name; });
    if (found == all.end()) return std::nullopt;
    return static_cast<std::size_t>(found - all.begin());
}

}  // namespace korvel::load_case
