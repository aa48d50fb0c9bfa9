#include <benchmark/benchmark.h>

#include <string>

#include "engine/envelope.hpp"
#include "load_case/combination.hpp"
#include "tools/korvel_solve/envelope_output.hpp"

namespace {

using korvel::load_case::Project;

// A roof of four cases with loads at every node and `count` combinations of them.
Project roof_combinations(int count = 100) {
    Project project;
    project.span = "14.4";
    const char* const names[] = {"Dead", "Live", "Snow", "Wind"};
    const char* const values[] = {"0.85", "0.6", "1.6", "-1.9"};
    for (std::size_t c = 0; c < 4; ++c) {
        auto& load_case = project.cases.emplace_back();
        load_case.name = names[c];
        for (std::size_t i = 0; i < load_case.loads.size(); ++i) load_case.loads[i] = values[(c + i) % 4];
    }
    for (int n = 0; n < count; ++n) {
        auto& combination = project.combinations.emplace_back();
        combination.name = "C" + std::to_string(n);
        combination.factors = {{"Dead", n % 2 ? "1.2" : "0.9"},
                               {names[1 + n % 2], "1." + std::to_string(n % 10)},
                               {"Wind", "0." + std::to_string(n % 7)}};
    }
    return project;
}

// The envelope of 100 analysed combinations.
void BM_EnvelopeOf100Combinations(benchmark::State& state) {
    const auto outcomes = std::get<std::vector<korvel::engine::AnalysisOutcome>>(
        korvel::load_case::analyse_combinations(roof_combinations()));
    for (auto _ : state) {
        auto envelope = korvel::engine::Envelope::of(outcomes);
        benchmark::DoNotOptimize(envelope);
    }
}
BENCHMARK(BM_EnvelopeOf100Combinations);

// The combined loads alone: the project read and checked, and 2,300 exact sums written as texts.
void BM_CombinedLoads100Combinations(benchmark::State& state) {
    const Project project = roof_combinations();
    for (auto _ : state) {
        auto inputs = korvel::load_case::combined_inputs(project);
        benchmark::DoNotOptimize(inputs);
    }
}
BENCHMARK(BM_CombinedLoads100Combinations);

// From the project to its envelope: the combined loads, 100 analyses and the envelope.
void BM_ProjectToEnvelope100Combinations(benchmark::State& state) {
    const Project project = roof_combinations();
    for (auto _ : state) {
        const auto outcomes =
            std::get<std::vector<korvel::engine::AnalysisOutcome>>(korvel::load_case::analyse_combinations(project));
        auto envelope = korvel::engine::Envelope::of(outcomes);
        benchmark::DoNotOptimize(envelope);
    }
}
BENCHMARK(BM_ProjectToEnvelope100Combinations);

// The envelope of 1,000 analysed combinations written as korvel-solve's table and as its JSON.
void BM_EnvelopeTable1000Combinations(benchmark::State& state) {
    const auto answer =
        std::get<korvel::load_case::ProjectEnvelope>(korvel::load_case::envelope_of(roof_combinations(1000)));
    for (auto _ : state) benchmark::DoNotOptimize(korvel::solve::envelope_text(answer));
}
BENCHMARK(BM_EnvelopeTable1000Combinations);

void BM_EnvelopeJson1000Combinations(benchmark::State& state) {
    const auto answer =
        std::get<korvel::load_case::ProjectEnvelope>(korvel::load_case::envelope_of(roof_combinations(1000)));
    for (auto _ : state) {
        std::string json;
        korvel::solve::append_project_json(json, answer);
        benchmark::DoNotOptimize(json);
    }
}
BENCHMARK(BM_EnvelopeJson1000Combinations);

}  // namespace
