#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "design/member_design.hpp"
#include "design/project_design.hpp"

namespace korvel::design {

// The one description of the design table, which the window, the report, the
// CSV file and every korvel-solve format read: its columns, their headings,
// the words of a result, and each member's row as the texts shown.
enum class DesignColumn {
    Member,
    Group,
    Section,
    Combination,
    Force,
    Check,
    Resistance,
    Utilisation,
    Result,
    Warnings
};

struct DesignColumnRow {
    DesignColumn column;
    std::string_view heading;
    bool in_force_unit;  // the heading names the project's force unit
};
inline constexpr std::array<DesignColumnRow, 10> kDesignColumns{{
    {DesignColumn::Member, "Member", false},
    {DesignColumn::Group, "Group", false},
    {DesignColumn::Section, "Section", false},
    {DesignColumn::Combination, "Governing combination", false},
    {DesignColumn::Force, "Design force", true},
    {DesignColumn::Check, "Check", false},
    {DesignColumn::Resistance, "Resistance", true},
    {DesignColumn::Utilisation, "Utilisation", false},
    {DesignColumn::Result, "Result", false},
    {DesignColumn::Warnings, "Warnings", false},
}};
inline constexpr std::size_t kDesignColumnCount = kDesignColumns.size();

inline constexpr std::string_view kPassesWords = "passes";
inline constexpr std::string_view kFailsWords = "FAILS";
inline constexpr std::string_view kNotCheckedWords = "not checked";
inline constexpr std::string_view kNoForceWords = "no force";

// What the design does not check, said in the window, the report and the command line.
inline constexpr std::string_view kDesignLimits =
    "Axial force only: a top chord that also carries bending from loads between nodes is not covered. "
    "Connections, bearing and net sections (net-section rupture belongs to the connection design) are not checked. "
    "Single angles are not designed here (their eccentric connections need rules of their own).";
// NDS 2018's adjustment factors this design takes as 1.0.
inline constexpr std::string_view kNdsUnitFactors =
    "C_M, C_t and C_i are 1.0 (dry service, normal temperature, not incised)";

// "Design force (kN)".
std::string design_heading(const DesignColumnRow& column, ForceUnit force);

// A section as the table names it: the material before the size ("C24 47x150").
std::string section_title(const Design& design, const Section& section);

// The members' order; failures first, then the rest, each part by falling
// utilisation (the window's "Failures first"); or failures first so, then the
// rest in the members' order (the design sheet).
enum class DesignOrder { Members, FailuresFirst, FailuresThenMembers };

struct DesignTableRow {
    engine::Member member;
    std::array<std::string, kDesignColumnCount> cells;
};
// One row per member in the order asked for; members not checked count as
// failures and come before those that fail.
std::vector<DesignTableRow> design_table(const DesignResult& result, const Design& design, DesignOrder order);

// The design as CSV (RFC 4180, CRLF line ends): the headings, then a row per
// member in the order asked for; where the design checks deflections, an empty
// line, the deflection table's headings and its rows follow. The same bytes
// for the window's "Save design as CSV..." and korvel-solve --design --format csv.
std::string design_csv(const ProjectDesign& answer, DesignOrder order);

// A number as the design shows it: fixed decimals, never an exponent, no "-0".
std::string design_number(double value, int decimals);

// The conditions of the design, as the sheet prints them before the table:
// a label and its text, each naming its unit, code and edition.
struct DesignCondition {
    std::string label;
    std::string text;
};
std::vector<DesignCondition> design_conditions(const Design& design);

}  // namespace korvel::design
