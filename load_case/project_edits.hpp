#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis.hpp"
#include "load_case/design_presets.hpp"
#include "load_case/distributed_load.hpp"
#include "load_case/project.hpp"

namespace korvel::load_case {

// Every edit a window makes to a project. Each keeps the project's invariants the
// windows rely on: a case's factors follow its name and go with it, and factors
// stand in the order of their cases. Indices are valid; what the user chose is
// checked by the window before (a name with case_name_fault, the part limit).

// The base, or the base with the first free number from 2 ("Case", "Case 2", ...).
std::string first_free_name(const std::vector<std::string>& taken, const std::string& base);
std::vector<std::string> case_names(const Project& project);
std::vector<std::string> combination_names(const Project& project);

enum class NameFault { Empty, Taken };
// Whether `name` (as the user typed it, blanks around it not counting) cannot name a
// case; the case `except` may keep its own name.
std::optional<NameFault> case_name_fault(const Project& project, std::string_view name,
                                         std::optional<std::size_t> except = std::nullopt);
// The name with the blanks around it cut off.
std::string trimmed_name(std::string_view name);

void set_span(Project& project, std::string span);
// Sets the roof pitch as engine::parse_pitch reads the text; a pitch it refuses changes nothing and is given back.
std::optional<engine::PitchError> set_pitch(Project& project, std::string_view text);

// Appends a case without loads; returns its index.
std::size_t add_case(Project& project, std::string name);
// Renames a case and every factor of it.
void rename_case(Project& project, std::size_t index, const std::string& name);
// Copies a case right after it as "NAME copy" (or the first free number after it); returns its index.
std::size_t duplicate_case(Project& project, std::size_t index);

// A combination that deleting a case changes, and its name afterwards.
struct CombinationChange {
    std::size_t combination;
    std::string name_after;  // the old name, unless a preset named it after its cases
};
// The combinations with a factor of the case, and what each is called once the case is gone:
// a name a preset gave is given again without the case, or marked when that name is taken.
std::vector<CombinationChange> changes_of_deleting_case(const Project& project, std::size_t index);
// Deletes a case, its factors, and renames the combinations as changes_of_deleting_case says.
void delete_case(Project& project, std::size_t index);

void set_case_kind(Project& project, std::size_t index, CaseKind kind);
void set_case_loads(Project& project, std::size_t index, const NodalLoads& loads);
// The main window's loads replace the case's; its span and pitch too while the project has no span.
void take_loads(Project& project, std::size_t index, const engine::AnalysisInput& input);
// The span, the pitch and the case's loads, as the main window takes them.
engine::AnalysisInput case_input(const Project& project, std::size_t index);
// Adds the nodal loads of a uniform load on the truss at the project's pitch to the case; on an error nothing changes.
std::optional<DistributedLoadError> add_distributed_load(Project& project, std::size_t index,
                                                         const DistributedLoad& load);

// Appends a combination without factors, "Combination" or the first free number; returns its index.
std::size_t add_combination(Project& project);
// A combination renamed or deleted is renamed or left out among the design's serviceability combinations
// and their own deflection limits too.
void rename_combination(Project& project, std::size_t index, std::string name);
void delete_combination(Project& project, std::size_t index);
// Sets the factor of the case in the combination, in the order of the cases; an empty text removes it.
void set_factor(Project& project, std::size_t combination, const std::string& case_name, std::string_view text);
// Appends the preset's combinations of the cases the project does not have yet,
// up to the part limit; returns how many.
std::size_t insert_preset(Project& project, const DesignPreset& preset);

}  // namespace korvel::load_case
