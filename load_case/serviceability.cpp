#include "load_case/serviceability.hpp"

#include <stdexcept>

namespace korvel::load_case {
namespace {

// The index of the case a factor names, by its name exactly as written.
std::optional<std::size_t> case_named(const Project& project, const std::string& name) {
    for (std::size_t index = 0; index < project.cases.size(); ++index)
        if (project.cases[index].name == name) return index;
    return std::nullopt;
}

}  // namespace

const PsiRow& psi_factors(CaseKind kind) {
    for (const PsiRow& row : kPsiFactors)
        if (row.kind == kind) return row;
    return kPsiFactors.back();
}

double deformation_factor(int service_class) {
    if (service_class < 1 || service_class > 3) {
        throw std::out_of_range("service class " + std::to_string(service_class) + " is not 1, 2 or 3");
    }
    return kDeformationFactors[static_cast<std::size_t>(service_class - 1)];
}

int ibc_roof_limit(Ceiling ceiling, RoofCheck check) {
    for (const RoofDeflectionLimits& row : kIbcRoofLimits)
        if (row.ceiling == ceiling) return row.divisors[static_cast<std::size_t>(check)];
    throw std::out_of_range("no such ceiling");
}

RoofCheck roof_check(const Project& project, const Combination& combination) {
    bool dead = false, snow_or_wind = false;
    for (const Factor& factor : combination.factors) {
        const std::optional<std::size_t> index = case_named(project, factor.case_name);
        if (!index) continue;
        const CaseKind kind = project.cases[*index].kind;
        dead = dead || kind == CaseKind::Dead;
        snow_or_wind = snow_or_wind || kind == CaseKind::Snow || kind == CaseKind::Wind;
    }
    if (dead) return RoofCheck::DeadPlusLive;
    return snow_or_wind ? RoofCheck::SnowOrWindAlone : RoofCheck::LiveAlone;
}

std::variant<std::vector<engine::Deflections>, CaseDeflectionError> case_deflections(
    const Project& project, const engine::VirtualForces& virtual_forces, const engine::TrussStiffness& stiffness) {
    std::vector<engine::Deflections> result;
    result.reserve(project.cases.size());
    for (const LoadCase& load_case : project.cases) {
        const engine::AnalysisOutcome outcome = engine::run_analysis({project.span, load_case.loads, project.pitch});
        if (const auto* error = std::get_if<engine::AnalysisError>(&outcome))
            return CaseDeflectionError{load_case.name, *error};
        result.push_back(engine::deflections(virtual_forces, std::get<engine::AnalysisResult>(outcome), stiffness));
    }
    return result;
}

CombinationDeflections combination_deflections(const Project& project, const Combination& combination,
                                               const std::vector<engine::Deflections>& cases, const Creep& creep) {
    std::vector<engine::Deflections> parts;
    std::vector<double> factors;
    // What creeps: each case's deflection times the share of it that acts for long.
    std::vector<double> lasting;
    for (const Factor& factor : combination.factors) {
        const std::optional<std::size_t> index = case_named(project, factor.case_name);
        if (!index) throw std::invalid_argument("no case called " + factor.case_name);
        const CaseKind kind = project.cases[*index].kind;
        const double value = engine::parse_double(factor.text);
        parts.push_back(cases.at(*index));
        factors.push_back(value);
        switch (creep.rule) {
            case Creep::Rule::None: break;
            case Creep::Rule::En1995: lasting.push_back(kind == CaseKind::Dead ? value : psi_factors(kind).psi2); break;
            case Creep::Rule::Nds: lasting.push_back(kind == CaseKind::Dead ? value : 0.0); break;
        }
    }
    CombinationDeflections result;
    result.instantaneous = engine::combined_deflections(parts, factors);
    if (creep.rule == Creep::Rule::None) return result;
    // EN 1995 adds k_def times the lasting part; NDS takes it K_cr times in all, so adds K_cr − 1 times it.
    const double extra = creep.rule == Creep::Rule::En1995 ? creep.factor : creep.factor - 1;
    const engine::Deflections creeping = engine::combined_deflections(parts, lasting);
    engine::Deflections final = result.instantaneous;
    for (std::size_t p = 0; p < engine::kDeflectionPointCount; ++p) final[p] += extra * creeping[p];
    result.final = final;
    return result;
}

}  // namespace korvel::load_case
