#include "load_case/combination.hpp"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

#include "engine/arithmetic_error.hpp"
#include "engine/exact_decimal.hpp"
#include "engine/result_computation.hpp"
#include "engine/truss_geometry.hpp"
#include "load_case/project_numbers.hpp"
#include "load_case/unicode_text.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;
using engine::SmallDecimal;

// read_project_numbers has refused every text that does not read.
ExactDecimal exact(std::string_view text) { return std::get<ExactDecimal>(ExactDecimal::read(text)); }

// The exact sum over `factors` of factor × load `i` of its case; zero for no load.
ExactDecimal exact_load(const ProjectNumbers& numbers, std::span<const ReadFactor> factors, std::size_t i,
                        StopRequested stop) {
    ExactDecimal sum;
    for (const ReadFactor& factor : factors) {
        if (stop != nullptr && stop()) throw WorkStopped();
        const ReadNumber& load = numbers.case_loads[factor.case_index][i];
        if (!load.text.empty()) sum += exact(factor.value.text) * exact(load.text);
    }
    return sum;
}

// The exact sums of one combination's loads. Sums of short texts are formed in
// 64 bits; a load with a longer text, or whose sum outgrows 64 bits, is marked
// for the general exact road.
struct CombinedSums {
    std::array<SmallDecimal, engine::kLoadCount> small{};
    std::array<bool, engine::kLoadCount> long_road{};
};

CombinedSums sums_of(const ProjectNumbers& numbers, std::span<const ReadFactor> factors) {
    CombinedSums sums;
    for (const ReadFactor& factor : factors) {
        const auto& case_loads = numbers.case_loads[factor.case_index];
        for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
            const ReadNumber& load = case_loads[i];
            if (load.text.empty() || sums.long_road[i]) continue;
            std::optional<SmallDecimal> sum;
            if (factor.value.small && load.small) sum = multiply_add(*factor.value.small, *load.small, sums.small[i]);
            if (sum) {
                sums.small[i] = *sum;
            } else {
                sums.long_road[i] = true;
            }
        }
    }
    return sums;
}

// The combined loads of one combination as exact texts, empty for no load.
void write_texts(const ProjectNumbers& numbers, std::span<const ReadFactor> factors, const CombinedSums& sums,
                 std::array<std::string, engine::kLoadCount>& loads, StopRequested stop) {
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (sums.long_road[i]) {
            const ExactDecimal sum = exact_load(numbers, factors, i, stop);
            if (!sum.is_zero()) loads[i] = sum.text();
        } else if (!sums.small[i].is_zero()) {
            sums.small[i].write_text(loads[i]);
        }
    }
}

// The combined loads as the analysis reads their texts; nothing where a sum took
// the general road or lies beyond Fixed4.
std::optional<std::array<engine::Fixed4, engine::kLoadCount>> fixed_loads(const CombinedSums& sums) {
    std::array<engine::Fixed4, engine::kLoadCount> loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (sums.long_road[i]) return std::nullopt;
        const std::optional<engine::Fixed4> load = sums.small[i].to_fixed4();
        if (!load) return std::nullopt;
        loads[i] = *load;
    }
    return loads;
}

// The factors of combination `c`.
std::span<const ReadFactor> factors_of(const ProjectNumbers& numbers, std::size_t c) {
    const std::size_t begin = c == 0 ? 0 : numbers.factor_ends[c - 1];
    return {numbers.factors.data() + begin, numbers.factor_ends[c] - begin};
}

}  // namespace

std::variant<std::vector<engine::AnalysisInput>, ProjectError> combined_inputs(const Project& project,
                                                                               StopRequested stop) {
    auto read = read_project_numbers(project);
    if (auto* error = std::get_if<ProjectError>(&read)) return std::move(*error);
    const ProjectNumbers& numbers = std::get<ProjectNumbers>(read);

    std::vector<engine::AnalysisInput> inputs(project.combinations.size());
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        const std::span<const ReadFactor> factors = factors_of(numbers, c);
        inputs[c].span = project.span;
        inputs[c].pitch = project.pitch;
        if (stop != nullptr && stop()) throw WorkStopped();
        write_texts(numbers, factors, sums_of(numbers, factors), inputs[c].loads, stop);
    }
    return inputs;
}

namespace {

// The outcomes of the combinations from `first` up to `last`.
std::variant<std::vector<engine::AnalysisOutcome>, ProjectError> analyse_range(const Project& project,
                                                                               std::size_t first, std::size_t last,
                                                                               StopRequested stop) {
    auto read = read_project_numbers(project);
    if (auto* error = std::get_if<ProjectError>(&read)) return std::move(*error);
    const ProjectNumbers& numbers = std::get<ProjectNumbers>(read);

    // Every combination has the project's span and pitch: its geometry is derived once.
    std::optional<engine::TrussGeometry> geometry;
    try {
        if (!project.span.empty()) geometry = engine::derive_geometry(project.span, project.pitch);
    } catch (const engine::ArithmeticError&) {}
    std::vector<engine::AnalysisOutcome> outcomes;
    outcomes.reserve(last - first);
    engine::AnalysisInput input;
    input.span = project.span;
    input.pitch = project.pitch;
    for (std::size_t c = first; c < last; ++c) {
        if (stop != nullptr && stop()) throw WorkStopped();
        const std::span<const ReadFactor> factors = factors_of(numbers, c);
        const CombinedSums sums = sums_of(numbers, factors);
        const auto loads = geometry ? fixed_loads(sums) : std::nullopt;
        if (loads) {
            try {
                outcomes.emplace_back(engine::compute_results(*geometry, *loads));
                continue;
            } catch (const engine::ArithmeticError&) {}
        }
        // The road of the texts gives the same results, and an error blamed on its input as the main window blames it.
        input.loads = {};
        write_texts(numbers, factors, sums, input.loads, stop);
        outcomes.push_back(engine::run_analysis(input));
    }
    return outcomes;
}

}  // namespace

std::variant<std::vector<engine::AnalysisOutcome>, ProjectError> analyse_combinations(const Project& project,
                                                                                      StopRequested stop) {
    return analyse_range(project, 0, project.combinations.size(), stop);
}

std::variant<engine::AnalysisOutcome, ProjectError> analyse_combination(const Project& project, std::size_t index) {
    if (index >= project.combinations.size()) throw std::out_of_range("no combination " + std::to_string(index));
    auto outcomes = analyse_range(project, index, index + 1, nullptr);
    if (auto* error = std::get_if<ProjectError>(&outcomes)) return std::move(*error);
    return std::move(std::get<std::vector<engine::AnalysisOutcome>>(outcomes).front());
}

std::variant<ProjectEnvelope, ProjectError> envelope_of(const Project& project, StopRequested stop) {
    auto outcomes = analyse_combinations(project, stop);
    if (auto* error = std::get_if<ProjectError>(&outcomes)) return std::move(*error);
    ProjectEnvelope answer;
    answer.span = project.span;
    answer.pitch = project.pitch;
    answer.names.reserve(project.combinations.size());
    for (const Combination& combination : project.combinations) answer.names.push_back(combination.name);
    answer.outcomes = std::get<std::vector<engine::AnalysisOutcome>>(std::move(outcomes));
    answer.envelope = engine::Envelope::of(answer.outcomes);
    return answer;
}

std::optional<std::size_t> combination_index(const Project& project, std::string_view name) {
    const auto& all = project.combinations;
    const std::string key = name_key(name);
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Combination& c) { return name_key(c.name) == key; });
    if (found == all.end()) return std::nullopt;
    return static_cast<std::size_t>(found - all.begin());
}

}  // namespace korvel::load_case
