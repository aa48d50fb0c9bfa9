#include "load_case/combination.hpp"

#include <algorithm>
#include <span>

#include "engine/exact_decimal.hpp"
#include "load_case/project_numbers.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;
using engine::SmallDecimal;

// read_project_numbers has refused every text that does not read.
ExactDecimal exact(std::string_view text) { return std::get<ExactDecimal>(ExactDecimal::read(text)); }

// The exact sum over `factors` of factor × load `i` of its case; zero for no load.
ExactDecimal exact_load(const ProjectNumbers& numbers, std::span<const ReadFactor> factors, std::size_t i) {
    ExactDecimal sum;
    for (const ReadFactor& factor : factors) {
        const ReadNumber& load = numbers.case_loads[factor.case_index][i];
        if (!load.text.empty()) sum += exact(factor.value.text) * exact(load.text);
    }
    return sum;
}

// The combined loads of one combination as exact texts, empty for no load. Sums
// of short texts are formed in 64 bits; a load with a longer text, or whose sum
// outgrows 64 bits, takes the general exact road.
void combine(const ProjectNumbers& numbers, std::span<const ReadFactor> factors,
             std::array<std::string, engine::kLoadCount>& loads) {
    std::array<SmallDecimal, engine::kLoadCount> sums{};
    std::array<bool, engine::kLoadCount> long_road{};
    for (const ReadFactor& factor : factors) {
        const auto& case_loads = numbers.case_loads[factor.case_index];
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            const ReadNumber& load = case_loads[i];
            if (load.text.empty() || long_road[i]) continue;
            std::optional<SmallDecimal> sum;
            if (factor.value.small && load.small) sum = multiply_add(*factor.value.small, *load.small, sums[i]);
            if (sum) {
                sums[i] = *sum;
            } else {
                long_road[i] = true;
            }
        }
    }
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (long_road[i]) {
            const ExactDecimal sum = exact_load(numbers, factors, i);
            if (!sum.is_zero()) loads[i] = sum.text();
        } else if (!sums[i].is_zero()) {
            sums[i].write_text(loads[i]);
        }
    }
}

}  // namespace

std::variant<std::vector<engine::AnalysisInput>, ProjectError> combined_inputs(const Project& project) {
    auto read = read_project_numbers(project);
    if (auto* error = std::get_if<ProjectError>(&read)) return std::move(*error);
    const ProjectNumbers& numbers = std::get<ProjectNumbers>(read);

    std::vector<engine::AnalysisInput> inputs(project.combinations.size());
    std::size_t begin = 0;
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        const std::span<const ReadFactor> factors(numbers.factors.data() + begin, numbers.factor_ends[c] - begin);
        begin = numbers.factor_ends[c];
        engine::AnalysisInput& input = inputs[c];
        input.span = project.span;
        input.pitch = project.pitch;
        combine(numbers, factors, input.loads);
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

std::variant<ProjectEnvelope, ProjectError> envelope_of(const Project& project) {
    auto outcomes = analyse_combinations(project);
    if (auto* error = std::get_if<ProjectError>(&outcomes)) return std::move(*error);
    ProjectEnvelope answer;
    answer.span = project.span;
    answer.names.reserve(project.combinations.size());
    for (const Combination& combination : project.combinations) answer.names.push_back(combination.name);
    answer.outcomes = std::get<std::vector<engine::AnalysisOutcome>>(std::move(outcomes));
    answer.envelope = engine::Envelope::of(answer.outcomes);
    return answer;
}

std::optional<std::size_t> combination_index(const Project& project, std::string_view name) {
    const auto& all = project.combinations;
    const auto found = std::find_if(all.begin(), all.end(), [&](const Combination& c) { return c.name == name; });
    if (found == all.end()) return std::nullopt;
    return static_cast<std::size_t>(found - all.begin());
}

}  // namespace korvel::load_case
