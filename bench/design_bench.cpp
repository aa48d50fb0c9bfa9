#include <benchmark/benchmark.h>

#include <string>

#include "design/member_design.hpp"

namespace {

using korvel::load_case::CaseKind;
using korvel::load_case::Project;

// A timber roof of four cases with loads at every node, 1,000 combinations of
// them, in kN and m, with C24 sections and the 20 default candidates per group.
Project thousand_combinations() {
    Project project;
    project.span = "14.4";
    const char* const names[] = {"Dead", "Live", "Snow", "Wind"};
    const CaseKind kinds[] = {CaseKind::Dead, CaseKind::Live, CaseKind::Snow, CaseKind::Wind};
    const char* const values[] = {"0.85", "0.6", "1.6", "-1.9"};
    for (std::size_t c = 0; c < 4; ++c) {
        auto& load_case = project.cases.emplace_back();
        load_case.name = names[c];
        load_case.kind = kinds[c];
        for (std::size_t i = 0; i < load_case.loads.size(); ++i) load_case.loads[i] = values[(c + i) % 4];
    }
    for (int n = 0; n < 1000; ++n) {
        auto& combination = project.combinations.emplace_back();
        combination.name = "C" + std::to_string(n);
        combination.factors = {{"Dead", n % 2 ? "1.35" : "1"},
                               {names[1 + n % 2], "1." + std::to_string(n % 10)},
                               {"Wind", "0." + std::to_string(n % 7)}};
    }
    project.units = korvel::load_case::ProjectUnits{"kN", "m"};
    korvel::load_case::DesignSettings design;
    design.code = "EN 1995-1-1";
    design.service_class = "2";
    design.material = "C24";
    design.sections = {{"top chord", "47x150"}, {"bottom chord", "47x125"}, {"webs", "47x75"}};
    design.bracing = {{"top chord", "0.6"}};
    project.design = design;
    return project;
}

// The whole road from a project to its design: the settings read, 1,000
// combinations combined and analysed, every check of every member, and the
// lightest-section search over 20 candidates per group.
void BM_ProjectToDesign1000Combinations(benchmark::State& state) {
    const Project project = thousand_combinations();
    for (auto _ : state) {
        const auto design = std::get<korvel::design::Design>(korvel::design::read_design(project));
        const auto forces = std::get<korvel::design::ForceExtremes>(korvel::design::force_extremes(project, design));
        auto result = korvel::design::design_members(forces, design);
        auto lightest = korvel::design::lightest_sections(forces, design);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(lightest);
    }
}
BENCHMARK(BM_ProjectToDesign1000Combinations)->Unit(benchmark::kMillisecond);

// The checks alone, once the forces are known: what follows a change of section.
void BM_ChecksAndSearchOnly(benchmark::State& state) {
    const Project project = thousand_combinations();
    const auto design = std::get<korvel::design::Design>(korvel::design::read_design(project));
    const auto forces = std::get<korvel::design::ForceExtremes>(korvel::design::force_extremes(project, design));
    for (auto _ : state) {
        auto result = korvel::design::design_members(forces, design);
        auto lightest = korvel::design::lightest_sections(forces, design);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(lightest);
    }
}
BENCHMARK(BM_ChecksAndSearchOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
