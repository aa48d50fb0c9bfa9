#include "load_case/project_edits.hpp"

#include <algorithm>
#include <variant>

namespace korvel::load_case {
namespace {

bool has_factor_of(const Combination& combination, const std::string& case_name) {
    return std::any_of(combination.factors.begin(), combination.factors.end(),
                       [&](const Factor& factor) { return factor.case_name == case_name; });
}

std::ptrdiff_t case_position(const Project& project, const std::string& name) {
    return std::find_if(project.cases.begin(), project.cases.end(),
                        [&name](const LoadCase& c) { return c.name == name; }) -
           project.cases.begin();
}

// The name a preset gives these factors where it gave `name` to `before`; nothing for a name of the user's.
std::optional<std::string> preset_name_for(const std::string& name, const std::vector<Factor>& before,
                                           const std::vector<Factor>& after) {
    for (const DesignPreset& preset : kDesignPresets)
        for (std::size_t formula = 0; formula < preset.formulas.size(); ++formula)
            if (preset_combination_name(preset, formula, before) == name)
                return preset_combination_name(preset, formula, after);
    return std::nullopt;
}

// The design names its serviceability combinations and their own deflection
// limits: they follow a combination renamed, and leave with it.
void rename_in_design(Project& project, const std::string& old_name, const std::string& new_name) {
    if (!project.design || old_name == new_name) return;
    for (std::string& name : project.design->serviceability)
        if (name == old_name) name = new_name;
    for (NamedText& limit : project.design->deflection_limits)
        if (limit.name == old_name) limit.name = new_name;
}

void forget_in_design(Project& project, const std::string& name) {
    if (!project.design) return;
    std::erase(project.design->serviceability, name);
    std::erase_if(project.design->deflection_limits, [&name](const NamedText& limit) { return limit.name == name; });
}

}  // namespace

std::string first_free_name(const std::vector<std::string>& taken, const std::string& base) {
    const auto free = [&taken](const std::string& name) {
        return std::find(taken.begin(), taken.end(), name) == taken.end();
    };
    if (free(base)) return base;
    for (std::size_t n = 2;; ++n)
        if (std::string name = base + ' ' + std::to_string(n); free(name)) return name;
}

std::vector<std::string> case_names(const Project& project) {
    std::vector<std::string> names;
    for (const LoadCase& load_case : project.cases) names.push_back(load_case.name);
    return names;
}

std::vector<std::string> combination_names(const Project& project) {
    std::vector<std::string> names;
    for (const Combination& combination : project.combinations) names.push_back(combination.name);
    return names;
}

std::string trimmed_name(std::string_view name) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = name.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return std::string(name.substr(first, name.find_last_not_of(kBlanks) - first + 1));
}

std::optional<NameFault> case_name_fault(const Project& project, std::string_view name,
                                         std::optional<std::size_t> except) {
    const std::string wanted = trimmed_name(name);
    if (wanted.empty()) return NameFault::Empty;
    for (std::size_t i = 0; i < project.cases.size(); ++i)
        if (i != except && project.cases[i].name == wanted) return NameFault::Taken;
    return std::nullopt;
}

void set_span(Project& project, std::string span) { project.span = std::move(span); }

std::optional<engine::PitchError> set_pitch(Project& project, std::string_view text) {
    auto read = engine::parse_pitch(text);
    if (auto* error = std::get_if<engine::PitchError>(&read)) return std::move(*error);
    project.pitch = std::get<engine::RoofPitch>(std::move(read));
    return std::nullopt;
}

std::size_t add_case(Project& project, std::string name) {
    project.cases.push_back({std::move(name), CaseKind::Other, {}});
    return project.cases.size() - 1;
}

void rename_case(Project& project, std::size_t index, const std::string& name) {
    std::string& old_name = project.cases.at(index).name;
    for (Combination& combination : project.combinations)
        for (Factor& factor : combination.factors)
            if (factor.case_name == old_name) factor.case_name = name;
    old_name = name;
}

std::size_t duplicate_case(Project& project, std::size_t index) {
    LoadCase copy = project.cases.at(index);
    copy.name = first_free_name(case_names(project), copy.name + " copy");
    project.cases.insert(project.cases.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(copy));
    return index + 1;
}

std::vector<CombinationChange> changes_of_deleting_case(const Project& project, std::size_t index) {
    const std::string& name = project.cases.at(index).name;
    std::vector<std::string> taken = combination_names(project);
    std::vector<CombinationChange> changes;
    for (std::size_t c = 0; c < project.combinations.size(); ++c) {
        const Combination& combination = project.combinations[c];
        if (!has_factor_of(combination, name)) continue;
        std::vector<Factor> after = combination.factors;
        std::erase_if(after, [&name](const Factor& factor) { return factor.case_name == name; });
        std::string name_after = combination.name;
        if (const auto renamed = preset_name_for(combination.name, combination.factors, after)) {
            // A name that would repeat another's, or a combination left empty, is marked instead.
            const bool free = std::find(taken.begin(), taken.end(), *renamed) == taken.end();
            name_after = free && !after.empty() ? *renamed : combination.name + " (without " + name + ")";
            taken.push_back(name_after);
        }
        changes.push_back({c, std::move(name_after)});
    }
    return changes;
}

void delete_case(Project& project, std::size_t index) {
    const std::string name = project.cases.at(index).name;
    for (const CombinationChange& change : changes_of_deleting_case(project, index)) {
        Combination& combination = project.combinations[change.combination];
        std::erase_if(combination.factors, [&name](const Factor& factor) { return factor.case_name == name; });
        rename_in_design(project, combination.name, change.name_after);
        combination.name = change.name_after;
    }
    project.cases.erase(project.cases.begin() + static_cast<std::ptrdiff_t>(index));
}

void set_case_kind(Project& project, std::size_t index, CaseKind kind) { project.cases.at(index).kind = kind; }

void set_case_loads(Project& project, std::size_t index, const NodalLoads& loads) {
    project.cases.at(index).loads = loads;
}

void take_loads(Project& project, std::size_t index, const engine::AnalysisInput& input) {
    project.cases.at(index).loads = input.loads;
    if (!project.span.empty()) return;
    project.span = input.span;
    project.pitch = input.pitch;
}

engine::AnalysisInput case_input(const Project& project, std::size_t index) {
    return {project.span, project.cases.at(index).loads, project.pitch};
}

std::optional<DistributedLoadError> add_distributed_load(Project& project, std::size_t index,
                                                         const DistributedLoad& load) {
    return add_distributed_load(project.span, load, project.cases.at(index).loads, project.pitch);
}

std::size_t add_combination(Project& project) {
    project.combinations.push_back({first_free_name(combination_names(project), "Combination"), {}});
    return project.combinations.size() - 1;
}

void rename_combination(Project& project, std::size_t index, std::string name) {
    rename_in_design(project, project.combinations.at(index).name, name);
    project.combinations.at(index).name = std::move(name);
}

void delete_combination(Project& project, std::size_t index) {
    forget_in_design(project, project.combinations.at(index).name);
    project.combinations.erase(project.combinations.begin() + static_cast<std::ptrdiff_t>(index));
}

void set_factor(Project& project, std::size_t combination, const std::string& case_name, std::string_view text) {
    std::vector<Factor>& factors = project.combinations.at(combination).factors;
    std::erase_if(factors, [&case_name](const Factor& f) { return f.case_name == case_name; });
    const std::string factor = trimmed_name(text);
    if (factor.empty()) return;
    // Factors stand in the order of their cases, as the table shows them.
    const auto place = std::find_if(factors.begin(), factors.end(), [&](const Factor& f) {
        return case_position(project, f.case_name) > case_position(project, case_name);
    });
    factors.insert(place, {case_name, factor});
}

std::size_t insert_preset(Project& project, const DesignPreset& preset) {
    std::size_t inserted = 0;
    std::vector<std::string> taken = combination_names(project);
    for (Combination& combination : preset_combinations(preset, project.cases)) {
        if (project.combinations.size() >= kProjectPartLimit) break;
        if (std::find(taken.begin(), taken.end(), combination.name) != taken.end()) continue;
        taken.push_back(combination.name);
        project.combinations.push_back(std::move(combination));
        ++inserted;
    }
    return inserted;
}

}  // namespace korvel::load_case
