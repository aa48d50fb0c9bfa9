#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/deflection.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {

// The combination factors of a kind of case, EN 1990:2002 + A1:2005 Table A1.1,
// recommended values for buildings: ψ0 accompanies a leading action in the
// characteristic combination, ψ2 is the quasi-permanent part that creeps.
struct PsiRow {
    CaseKind kind;
    std::string_view category;  // as Table A1.1 names it
    double psi0;
    double psi2;
};

inline constexpr std::array<PsiRow, 6> kPsiFactors{{
    {CaseKind::Dead, "permanent action", 1.0, 1.0},
    {CaseKind::Live, "imposed, category A: domestic, residential", 0.7, 0.3},
    {CaseKind::RoofLive, "imposed, category H: roofs", 0.0, 0.0},
    {CaseKind::Snow, "snow, sites at altitude H <= 1000 m a.s.l.", 0.5, 0.0},
    {CaseKind::Wind, "wind", 0.6, 0.0},
    // Not a kind the table knows: taken as permanent, the side of more creep.
    {CaseKind::Other, "other, taken as permanent", 1.0, 1.0},
}};

const PsiRow& psi_factors(CaseKind kind);

// k_def of solid timber (EN 338) and glued laminated timber (EN 14080) by
// service class, EN 1995-1-1:2004 + A2:2014 Table 3.2.
inline constexpr std::array<double, 3> kDeformationFactors{0.6, 0.8, 2.0};

// k_def of service class 1, 2 or 3; std::out_of_range for any other class.
double deformation_factor(int service_class);

// The creep factor K_cr of NDS 2018 section 3.5.2, equation (3.5-1),
// Δ_T = K_cr·Δ_LT + Δ_ST: 1.5 for seasoned lumber in dry service, 2.0 for
// unseasoned lumber or wet service. The long-term load is the dead load.
inline constexpr double kNdsCreepSeasonedDry = 1.5;
inline constexpr double kNdsCreepUnseasonedOrWet = 2.0;

// IBC 2018 Table 1604.3, roof members: the span divided by these is the limit.
enum class Ceiling { Plaster, NonPlaster, None };
enum class RoofCheck { LiveAlone, SnowOrWindAlone, DeadPlusLive };
struct RoofDeflectionLimits {
    Ceiling ceiling;
    std::string_view description;
    std::array<int, 3> divisors;  // indexed by RoofCheck
};
inline constexpr std::array<RoofDeflectionLimits, 3> kIbcRoofLimits{{
    {Ceiling::Plaster, "supporting plaster or stucco ceiling", {360, 360, 240}},
    {Ceiling::NonPlaster, "supporting nonplaster ceiling", {240, 240, 180}},
    {Ceiling::None, "not supporting ceiling", {180, 180, 120}},
}};
int ibc_roof_limit(Ceiling ceiling, RoofCheck check);
// The column of the table a combination is checked in, by the kinds of the cases
// it has a factor for: dead plus live where it holds a dead case, snow or wind
// alone where it holds either, the live load alone otherwise.
RoofCheck roof_check(const Project& project, const Combination& combination);

// The deflections of every case of a project, each computed once, in the
// project's order of cases: the analysis of a case's loads and its virtual work.
// A case the analysis refuses gives its error and the case's name.
struct CaseDeflectionError {
    std::string case_name;
    engine::AnalysisError error;
};
std::variant<std::vector<engine::Deflections>, CaseDeflectionError> case_deflections(
    const Project& project, const engine::VirtualForces& virtual_forces, const engine::TrussStiffness& stiffness);

// How time adds to the instantaneous deflection of a combination of cases.
struct Creep {
    enum class Rule { None, En1995, Nds } rule = Rule::None;
    double factor = 0;  // k_def for EN 1995, K_cr for NDS
};

// A combination's deflections, the cases' deflections times their factors
// (deflection is linear in the loads), and where creep applies the final ones:
//  - EN 1995-1-1 2.3.2.2: u_fin = u_inst,G·(1 + k_def) + u_inst,Q1·(1 + ψ2,1·k_def)
//    + Σ u_inst,Qi·(ψ0,i + ψ2,i·k_def), that is the instantaneous deflection of the
//    combination plus k_def times each case's own deflection times its ψ2 (a
//    permanent case's times its factor);
//  - NDS 2018 3.5.2: Δ_T = K_cr·Δ_LT + Δ_ST, the dead cases' part taken K_cr times.
struct CombinationDeflections {
    engine::Deflections instantaneous{};
    std::optional<engine::Deflections> final;
};
CombinationDeflections combination_deflections(const Project& project, const Combination& combination,
                                               const std::vector<engine::Deflections>& cases, const Creep& creep);

}  // namespace korvel::load_case
