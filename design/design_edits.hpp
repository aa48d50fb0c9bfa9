#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "design/member_design.hpp"
#include "load_case/project.hpp"

namespace korvel::design {

// The edits the design window makes to a project's units and design block, each
// taking the project and giving it back changed, so the window's undo history
// records them as any other edit. A project without a design block gains one
// with its first edit; what the edit leaves incomplete, design_project names.

load_case::Project set_units(load_case::Project project, ForceUnit force, LengthUnit length);

// A material the new code does not design in gives way to the first the code
// does; EN 1995-1-1 without a service class takes class 2, the design's default.
load_case::Project set_design_code(load_case::Project project, DesignCode code);
load_case::Project set_material(load_case::Project project, std::string_view material);
load_case::Project set_service_class(load_case::Project project, int service_class);

// The section text the design block gives a group (kGroupKeys' order), or nothing.
const std::string* group_section(const load_case::DesignSettings& settings, std::size_t group);

// The section of a group (kGroupKeys' order) as typed, kept even where it does not read.
load_case::Project set_group_section(load_case::Project project, std::size_t group, std::string text);

// The combinations whose deflections are checked, and the span's divisor that limits them.
load_case::Project set_serviceability(load_case::Project project, std::vector<std::string> combinations);
load_case::Project set_deflection_limit(load_case::Project project, std::string divisor);

// Each group's section becomes its lightest passing candidate; a group where
// nothing passes keeps its own. A group whose own section does not read yet
// takes part all the same, as the search never looks at it. The design's fault
// where its code, material, units or candidates cannot be read.
std::variant<load_case::Project, DesignError> use_lightest_sections(load_case::Project project);

}  // namespace korvel::design
