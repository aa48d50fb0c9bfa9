#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "load_case/design_settings.hpp"
#include "load_case/distributed_load.hpp"

namespace korvel::design {

// A design computes in the units of its code's tables: N, mm and MPa for the
// European codes, lbf, in and psi for the American ones.
enum class UnitSystem { Metric, UsCustomary };

enum class ForceUnit { N, kN, lbf, kip };
enum class LengthUnit { mm, m, in, ft };

// A unit as the project file names it, and its size as exact decimals: the
// multiple of its system's base unit (N or lbf, mm or in) and, once, the base
// unit in newtons or millimetres (1 lbf = 4.4482216152605 N, 1 in = 25.4 mm).
template <typename Unit>
struct UnitRow {
    Unit unit;
    std::string_view key;
    UnitSystem system;
    std::string_view multiple;  // of the system's base unit
    std::string_view metric;    // the unit in N or mm, exactly
};

inline constexpr std::array<UnitRow<ForceUnit>, 4> kForceUnits{{
    {ForceUnit::N, "N", UnitSystem::Metric, "1", "1"},
    {ForceUnit::kN, "kN", UnitSystem::Metric, "1000", "1000"},
    {ForceUnit::lbf, "lbf", UnitSystem::UsCustomary, "1", "4.4482216152605"},
    {ForceUnit::kip, "kip", UnitSystem::UsCustomary, "1000", "4448.2216152605"},
}};
inline constexpr std::array<UnitRow<LengthUnit>, 4> kLengthUnits{{
    {LengthUnit::mm, "mm", UnitSystem::Metric, "1", "1"},
    {LengthUnit::m, "m", UnitSystem::Metric, "1000", "1000"},
    {LengthUnit::in, "in", UnitSystem::UsCustomary, "1", "25.4"},
    {LengthUnit::ft, "ft", UnitSystem::UsCustomary, "12", "304.8"},
}};

std::string_view unit_key(ForceUnit unit);
std::string_view unit_key(LengthUnit unit);
std::optional<ForceUnit> force_unit_from_key(std::string_view key);
std::optional<LengthUnit> length_unit_from_key(std::string_view key);

// The units a code's tables are written in: N and mm, or lbf and in.
ForceUnit base_force_unit(UnitSystem system);
LengthUnit base_length_unit(UnitSystem system);

// How many `to` make one `from`, in double. Within one system it is a product
// or quotient of exact small integers (1000, 12); across systems the exact
// decimal of the base units enters once.
double conversion_factor(ForceUnit from, ForceUnit to);
double conversion_factor(LengthUnit from, LengthUnit to);

// A number text in `from` written in newtons or millimetres, exactly: "2.5"
// kip is "11120.55403815125" N. Nothing for a text that is not a number.
std::optional<std::string> metric_text(std::string_view number, ForceUnit from);
std::optional<std::string> metric_text(std::string_view number, LengthUnit from);

// The units a project names for its forces and lengths.
struct ProjectUnitChoice {
    ForceUnit force;
    LengthUnit length;
};

// The unit of a load per area for a project in `units`: kN/m² where its force
// and length are metric, psf (1 lbf/ft²) where both are US customary, each
// converted exactly through the units' multiples. Nothing where the units are
// unknown or of two systems, whose conversion would be no finite decimal.
std::optional<load_case::AreaLoadUnit> area_load_unit(const load_case::ProjectUnits& units);

}  // namespace korvel::design
