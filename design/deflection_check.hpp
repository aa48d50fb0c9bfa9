#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design/material.hpp"
#include "design/member_design.hpp"
#include "design/section.hpp"
#include "design/units.hpp"
#include "engine/deflection.hpp"
#include "load_case/project.hpp"
#include "load_case/serviceability.hpp"

namespace korvel::design {

// E·A of every member in the project's units (E in force per length squared, A
// in length squared): E_0,mean of EN 338 and EN 14080 timber, E of NDS lumber
// and of steel (the material's e_mean), and the area of each member's section,
// both converted from the unit of their table once.
engine::TrussStiffness member_stiffness(const Material& material,
                                        const std::array<Section, engine::kMemberCount>& sections,
                                        ProjectUnitChoice units);

// How creep adds to the deflection with a code and material: EN 1995-1-1's k_def
// of the service class (solid and glued laminated timber share Table 3.2), NDS
// 2018's K_cr of seasoned lumber in dry service (its design values assume dry
// service, C_M = 1.0), none for steel.
load_case::Creep creep_of(bool en_1995, bool nds, int service_class);

// The default limit where the design block names none: the span over 300.
inline constexpr std::string_view kDefaultDeflectionLimit = "300";
// The divisor's text a design's "deflection_limit" stands for.
inline std::string_view deflection_limit_text(const std::string& limit) {
    return limit.empty() ? kDefaultDeflectionLimit : std::string_view(limit);
}

// One serviceability combination's deflections against its limit.
struct CombinationDeflection {
    std::string name;
    load_case::CombinationDeflections deflections;
    engine::LargestDeflection largest;                       // of the instantaneous deflections
    std::optional<engine::LargestDeflection> largest_final;  // where creep applies
    double divisor = 0;                                      // its limit is span / divisor
    double limit = 0;
    bool own_limit = false;  // its divisor is its own, not the design's
    bool passes = true;      // the largest (and the largest final) within its limit
};

struct DeflectionCheck {
    double span = 0;     // project length unit
    double divisor = 0;  // the design's limit, span / divisor, of a combination without its own
    double limit = 0;
    load_case::Creep creep;
    std::vector<CombinationDeflection> combinations;  // in the order the design block names them
    bool passes = true;
};

// The deflections of the named combinations of the project, each case's
// deflections computed once, each against its own divisor of the span where
// `own_limits` names one. An unknown name, a limit that is not a positive
// number, or a case the analysis refuses gives a sentence saying so.
std::variant<DeflectionCheck, std::string> check_deflections(const load_case::Project& project,
                                                             const engine::TrussStiffness& stiffness,
                                                             const load_case::Creep& creep,
                                                             const std::vector<std::string>& serviceability,
                                                             const std::string& deflection_limit,
                                                             const std::vector<load_case::NamedText>& own_limits = {});

// The check a project's design asks for: each member's section and material
// from the design, creep by its code and service class, the combinations and
// limits of its "serviceability", "deflection_limit" and "deflection_limits". Nothing where the design
// block names no serviceability combination.
std::optional<std::variant<DeflectionCheck, std::string>> design_deflections(const load_case::Project& project,
                                                                             const Design& design);
engine::TrussStiffness member_stiffness(const Design& design);

// The span over a deflection, as a roof's deflection is quoted: 780 for span/780.
double span_over(double span, double deflection);

}  // namespace korvel::design
