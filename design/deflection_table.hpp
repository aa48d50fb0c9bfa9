#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "design/deflection_check.hpp"

namespace korvel::design {

// The one description of the deflection table, which the design window, the
// design report and the command line read: its columns, their headings and each
// row's texts, every length in the project's length unit.

// What no deflection here includes, said wherever one is shown.
inline constexpr std::string_view kJointSlipNote =
    "Joint slip of the connections is not included; for nailed or bolted timber trusses it can dominate.";

enum class DeflectionColumn { Combination, Deflection, Largest, Node, SpanOver, Limit, Result, Spread };

struct DeflectionColumnRow {
    DeflectionColumn column;
    std::string_view heading;
    bool in_length_unit;  // the heading names the project's length unit
};
inline constexpr std::array<DeflectionColumnRow, 8> kDeflectionColumns{{
    {DeflectionColumn::Combination, "Combination", false},
    {DeflectionColumn::Deflection, "Deflection", false},
    {DeflectionColumn::Largest, "Largest", true},
    {DeflectionColumn::Node, "At", false},
    {DeflectionColumn::SpanOver, "Span over", false},
    {DeflectionColumn::Limit, "Limit", true},
    {DeflectionColumn::Result, "Result", false},
    {DeflectionColumn::Spread, "Spread of the supports", true},
}};
inline constexpr std::size_t kDeflectionColumnCount = kDeflectionColumns.size();

inline constexpr std::string_view kInstantaneousWords = "instantaneous";
inline constexpr std::string_view kFinalWords = "final, with creep";

// "Largest (mm)"; a heading without a unit where the project names none.
std::string deflection_heading(const DeflectionColumnRow& column, std::string_view length_unit);

struct DeflectionTableRow {
    std::array<std::string, kDeflectionColumnCount> cells;
    bool passes = true;
};
// Per serviceability combination its instantaneous row, then its final row where creep applies.
std::vector<DeflectionTableRow> deflection_table(const DeflectionCheck& check);

// Said after the design's limit where a combination has its own.
inline constexpr std::string_view kOwnLimitsWords = ", or a combination's own where its limit names it";

// The line above the table: the method, the sign, the limit and the creep rule.
std::string deflection_caption(const DeflectionCheck& check, std::string_view length_unit);

// The creep factors a check uses, under the deflection table: the rule with its
// factor, and for EN 1995-1-1 the ψ of each kind of case it takes them from.
inline constexpr std::array<std::string_view, 4> kCreepFactorHeadings{"Kind of case", "EN 1990 Table A1.1", "ψ0", "ψ2"};
struct CreepFactorRow {
    std::array<std::string, kCreepFactorHeadings.size()> cells;
};
// Empty where nothing creeps.
std::string creep_factors_caption(const load_case::Creep& creep);
// A row per kind of case for EN 1995-1-1's creep; none for another rule.
std::vector<CreepFactorRow> creep_factor_table(const load_case::Creep& creep);

// A deflection as shown: kDeflectionDigits significant digits.
std::string deflection_length_text(double value);
// The span over a deflection as a whole number, as "span/780" quotes it.
std::string span_over_text(double span, double deflection);
// The creep rule and its clause, or "none".
std::string_view creep_rule(const load_case::Creep& creep);

}  // namespace korvel::design
