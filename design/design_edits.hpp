#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "design/member_design.hpp"
#include "load_case/project.hpp"
#include "load_case/serviceability.hpp"

namespace korvel::design {

// The edits the design window makes to a project's units and design block, each
// taking the project and giving it back changed, so the window's undo history
// records them as any other edit. A project without a design block gains one
// with its first edit; what the edit leaves incomplete, design_project names.

load_case::Project set_units(load_case::Project project, ForceUnit force, LengthUnit length);

// A material the new code does not design in gives way to the first the code
// does; EN 1995-1-1 without a service class takes class 2, the design's default.
// Load-duration classes not in the new code's words and partial factors of a
// code other than EN 1993-1-1 go, as the new code would refuse them.
load_case::Project set_design_code(load_case::Project project, DesignCode code);
load_case::Project set_material(load_case::Project project, std::string_view material);
load_case::Project set_service_class(load_case::Project project, int service_class);

// The section text the design block gives a group (kGroupKeys' order), or nothing.
const std::string* group_section(const load_case::DesignSettings& settings, std::size_t group);

// The section of a group (kGroupKeys' order) as typed, kept even where it does not read.
load_case::Project set_group_section(load_case::Project project, std::size_t group, std::string text);

// The text a design block's entry gives a name (a group, member, case kind or
// partial factor), or nothing.
const std::string* setting_text(const std::vector<load_case::NamedText>& entries, std::string_view name);

// A group's buckling factor in the plane and its bracing out of the plane, as
// typed; a blank text removes the entry, so the default holds again (1, and
// braced at every node).
load_case::Project set_buckling_factor(load_case::Project project, std::size_t group, std::string text);
load_case::Project set_bracing(load_case::Project project, std::size_t group, std::string text);

// The load-duration class of a kind of case, in the code's words; blank: the
// code's default for the kind (default_durations).
load_case::Project set_load_duration(load_case::Project project, load_case::CaseKind kind, std::string words);

// A group's candidate list as typed, names separated by ";"; use_code_candidates
// drops it, so the search starts from the code's list (default_candidates) again.
load_case::Project set_candidates(load_case::Project project, std::size_t group, std::string text);
load_case::Project use_code_candidates(load_case::Project project, std::size_t group);

// γ_M0 or γ_M1 (kPartialFactorKeys' order) of a national annex, as typed; blank:
// the recommended value.
load_case::Project set_partial_factor(load_case::Project project, std::size_t factor, std::string text);

// A member's own section, as typed; blank: its group's again. A name that is no
// member (from a file) can be emptied the same way.
load_case::Project set_member_section(load_case::Project project, std::string_view member, std::string text);

// Why each setting the design window edits does not read, in words to show
// beside its box; empty where it reads. Sections and candidates are read only
// where the code and material are.
struct SettingFaults {
    std::array<std::string, kGroupCount> sections, buckling_factors, bracing, candidates;
    std::array<std::string, kCaseKindCount> durations;
    std::array<std::string, kPartialFactorKeys.size()> partial_factors;
    std::vector<load_case::NamedText> members;  // a member's name and the fault of its own section
};
SettingFaults setting_faults(const load_case::DesignSettings& settings);

// The combinations whose deflections are checked, and the span's divisor that limits them.
load_case::Project set_serviceability(load_case::Project project, std::vector<std::string> combinations);
load_case::Project set_deflection_limit(load_case::Project project, std::string divisor);
// A combination's own divisor of the span; a blank one gives it the design's limit again.
load_case::Project set_combination_deflection_limit(load_case::Project project, std::string_view combination,
                                                    std::string divisor);
// Each serviceability combination takes the divisor IBC Table 1604.3 gives a
// roof member with this ceiling, in the column of the combination's kinds of case.
load_case::Project set_roof_deflection_limits(load_case::Project project, load_case::Ceiling ceiling);

// Each group's section becomes its lightest passing candidate; a group where
// nothing passes keeps its own. A group whose own section does not read yet
// takes part all the same, as the search never looks at it. The design's fault
// where its code, material, units or candidates cannot be read.
std::variant<load_case::Project, DesignError> use_lightest_sections(load_case::Project project);

}  // namespace korvel::design
