#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "load_case/design_settings.hpp"
#include "load_case/load_case.hpp"

namespace korvel::load_case {

// The most load cases, and the most combinations, a project holds.
inline constexpr std::size_t kProjectPartLimit = 1000;

// The action a load case stands for; design codes pick their factors by it.
enum class CaseKind { Dead, Live, RoofLive, Snow, Wind, Other };

struct CaseKindKey {
    CaseKind kind;
    std::string_view key;  // as the file writes it
};
inline constexpr std::array<CaseKindKey, 6> kCaseKinds{{
    {CaseKind::Dead, "dead"},
    {CaseKind::Live, "live"},
    {CaseKind::RoofLive, "roof-live"},
    {CaseKind::Snow, "snow"},
    {CaseKind::Wind, "wind"},
    {CaseKind::Other, "other"},
}};
std::string_view case_kind_key(CaseKind kind);
std::optional<CaseKind> case_kind_from_key(std::string_view key);

// One set of loads of one action, with the texts as typed.
struct LoadCase {
    std::string name;
    CaseKind kind = CaseKind::Other;
    std::array<std::string, engine::kLoadCount> loads;  // load-map order; empty means no load

    friend bool operator==(const LoadCase&, const LoadCase&) = default;
};

// A case's share of a combination: the case by its name, and the factor's text.
struct Factor {
    std::string case_name;
    std::string text;

    friend bool operator==(const Factor&, const Factor&) = default;
};

struct Combination {
    std::string name;
    std::vector<Factor> factors;  // in the file's order

    friend bool operator==(const Combination&, const Combination&) = default;
};

// One truss, the load cases on it, and the combinations it is designed for.
struct Project {
    std::string span;
    std::vector<LoadCase> cases;
    std::vector<Combination> combinations;
    engine::RoofPitch pitch = {};            // 6:12 unless the file gives "pitch" or "rise"
    std::optional<ProjectUnits> units{};     // "units", written only when given
    std::optional<DesignSettings> design{};  // "design", written only when given

    friend bool operator==(const Project&, const Project&) = default;
};

// What makes a project unusable.
enum class ProjectFault {
    Shape,          // valid JSON, but not of the project's shape (a key or a value of the wrong kind)
    EmptyName,      // a case or combination without a name
    RepeatedName,   // two cases, two combinations, or two factors of one case in a combination
    UnknownCase,    // a factor names a case the project does not have
    NotANumber,     // a load or factor text that is not a number
    OutOfRange,     // a load or factor with more digits than a combination computes with
    NoFactor,       // a combination without any factor
    NoCombination,  // a project without any combination
    TooMany,        // more than kProjectPartLimit cases or combinations
};

struct ProjectError {
    ProjectFault fault;
    std::string part;     // `case "Dead"`, `combination "1.2D + 1.6S"`, or empty for the whole project
    std::string message;  // a whole sentence, the part first: what is wrong and what to do
};

// A project is usable when its names are unique and not empty, every combination
// has factors of the project's cases, and every load and factor text is a number.
// Which case or combination a fault lies in: `case "Dead"`, or `case 3` (counted
// from 1) while it has no name.
std::string part_name(std::string_view what, std::string_view name, std::size_t index);

// The first fault in the file's order, or nothing.
std::optional<ProjectError> check_project(const Project& project);

// What a case file holds: today's single case, or a project.
using CaseFile = std::variant<engine::AnalysisInput, Project>;
using CaseFileRead = std::variant<engine::AnalysisInput, Project, FormatError, ProjectError>;

// Either form may give the roof pitch after the span, "pitch": "30°" in any form
// engine::parse_pitch reads, or "rise": "3.6"; without one the roof is 6:12, and
// a 6:12 roof is written without one, so such a file is written back unchanged.
// Reads either form (a project may add "units" and "design", docs/load-cases.md): an object with "loads" (or with
// neither "cases" nor "combinations") is a single case, read exactly as read_load_case reads it; one with "cases" and
// "combinations",
//   {"span": TEXT, "cases": [{"name": N, "kind": K, "loads": {...}}, ...],
//    "combinations": [{"name": N, "factors": {"CASE": TEXT, ...}}, ...]},
// is a project, which must then pass check_project. A missing "kind" is "other".
CaseFileRead read_case_file(std::string_view json_text);

// Writes a project in the layout above, a line per case and per combination (no
// trailing newline); read_case_file gives it back exactly, and writing that gives
// the same bytes. A single case is written by write_load_case.
std::string write_project(const Project& project);

}  // namespace korvel::load_case
