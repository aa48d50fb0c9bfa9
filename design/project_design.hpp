#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "design/deflection_check.hpp"
#include "design/member_design.hpp"
#include "load_case/project.hpp"

namespace korvel::design {

// A project's whole design, made once for the window, the report, the CSV file
// and every korvel-solve format: its settings, each member's checks, the
// lightest section of each group, and the deflections where the design names
// serviceability combinations.
struct ProjectDesign {
    Design design;
    DesignResult result;
    std::array<GroupChoice, kGroupCount> lightest;
    std::optional<DeflectionCheck> deflection;
};

// The design of a project, or the setting at fault in words.
std::variant<ProjectDesign, DesignError> design_project(const load_case::Project& project);

// A group's lightest passing section as a sentence: "C24 47x150, utilisation
// 0.812 in L0U1", or why nothing in its list passes.
std::string lightest_words(const ProjectDesign& answer, std::size_t group);

// The verdict of the whole design in words, as the sheet ends: "Result: every member passes".
std::string design_verdict(const DesignResult& result);

}  // namespace korvel::design
