#include <benchmark/benchmark.h>

#include "engine/analysis.hpp"

namespace {

// One analysis with every one of the 23 load labels filled.
void BM_AnalysisAllLoads(benchmark::State& state) {
    korvel::engine::AnalysisInput input;
    input.span = "16";
    const char* const values[] = {"12.5", "-3.25", "7", "0.0625", "-41.1234", "18"};
    for (std::size_t i = 0; i < input.loads.size(); ++i) input.loads[i] = values[i % std::size(values)];

    for (auto _ : state) {
        auto outcome = korvel::engine::run_analysis(input);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_AnalysisAllLoads);

}  // namespace
