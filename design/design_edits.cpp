#include "design/design_edits.hpp"

#include <algorithm>

#include "engine/quoted_text.hpp"
#include "load_case/combination.hpp"

namespace korvel::design {
namespace {

using load_case::NamedText;

load_case::DesignSettings& design_block(load_case::Project& project) {
    if (!project.design) project.design.emplace();
    return *project.design;
}

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// Sets the entry of `name` in the file's order, a new one last; a blank text
// removes it where `blank_removes`.
void put(std::vector<NamedText>& entries, std::string_view name, std::string text, bool blank_removes) {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [name](const NamedText& entry) { return entry.name == name; });
    if (blank_removes && blank(text)) {
        if (found != entries.end()) entries.erase(found);
    } else if (found != entries.end()) {
        found->text = std::move(text);
    } else {
        entries.push_back({std::string(name), std::move(text)});
    }
}

const Material* first_material_of(DesignCode code) {
    const auto found =
        std::find_if(kMaterials.begin(), kMaterials.end(), [code](const Material& m) { return code_accepts(code, m); });
    return found == kMaterials.end() ? nullptr : &*found;
}

constexpr std::string_view kNotPositive = "not a positive number";

}  // namespace

const std::string* setting_text(const std::vector<NamedText>& entries, std::string_view name) {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [name](const NamedText& entry) { return entry.name == name; });
    return found == entries.end() ? nullptr : &found->text;
}

const std::string* group_section(const load_case::DesignSettings& settings, std::size_t group) {
    return setting_text(settings.sections, kGroupKeys[group]);
}

load_case::Project set_units(load_case::Project project, ForceUnit force, LengthUnit length) {
    project.units = load_case::ProjectUnits{std::string(unit_key(force)), std::string(unit_key(length))};
    return project;
}

load_case::Project set_design_code(load_case::Project project, DesignCode code) {
    load_case::DesignSettings& settings = design_block(project);
    settings.code = std::string(code_row(code).key);
    const auto material = material_from_name(settings.material);
    if (!material || !code_accepts(code, *material)) {
        if (const Material* first = first_material_of(code)) settings.material = std::string(first->name);
    }
    if (code == DesignCode::En1995 && settings.service_class.empty())
        settings.service_class = std::to_string(Design{}.service_class);
    std::erase_if(settings.load_duration,
                  [code](const NamedText& entry) { return !duration_from_words(code, entry.text); });
    if (code != DesignCode::En1993) settings.partial_factors.clear();
    return project;
}

load_case::Project set_material(load_case::Project project, std::string_view material) {
    design_block(project).material = std::string(material);
    return project;
}

load_case::Project set_service_class(load_case::Project project, int service_class) {
    design_block(project).service_class = std::to_string(service_class);
    return project;
}

load_case::Project set_group_section(load_case::Project project, std::size_t group, std::string text) {
    put(design_block(project).sections, kGroupKeys[group], std::move(text), false);
    return project;
}

load_case::Project set_buckling_factor(load_case::Project project, std::size_t group, std::string text) {
    put(design_block(project).buckling_factors, kGroupKeys[group], std::move(text), true);
    return project;
}

load_case::Project set_bracing(load_case::Project project, std::size_t group, std::string text) {
    put(design_block(project).bracing, kGroupKeys[group], std::move(text), true);
    return project;
}

load_case::Project set_load_duration(load_case::Project project, load_case::CaseKind kind, std::string words) {
    put(design_block(project).load_duration, load_case::case_kind_key(kind), std::move(words), true);
    return project;
}

load_case::Project set_candidates(load_case::Project project, std::size_t group, std::string text) {
    put(design_block(project).candidates, kGroupKeys[group], std::move(text), false);
    return project;
}

load_case::Project use_code_candidates(load_case::Project project, std::size_t group) {
    put(design_block(project).candidates, kGroupKeys[group], {}, true);
    return project;
}

load_case::Project set_partial_factor(load_case::Project project, std::size_t factor, std::string text) {
    put(design_block(project).partial_factors, kPartialFactorKeys[factor], std::move(text), true);
    return project;
}

load_case::Project set_member_section(load_case::Project project, std::string_view member, std::string text) {
    put(design_block(project).members, member, std::move(text), true);
    return project;
}

SettingFaults setting_faults(const load_case::DesignSettings& settings) {
    SettingFaults faults;
    const auto code = design_code_from_key(settings.code);
    const auto material = material_from_name(settings.material);
    const bool sections_read = code && material && code_accepts(*code, *material);
    const auto section_fault = [&](std::string_view text) -> std::string {
        if (!sections_read) return {};
        auto read = read_section(text, *material, code_row(*code).system);
        const auto* error = std::get_if<std::string>(&read);
        return error == nullptr ? std::string() : *error;
    };
    const auto number_fault = [](const std::string* text) {
        return text == nullptr || read_positive_number(*text) ? std::string() : std::string(kNotPositive);
    };
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const std::string* section = group_section(settings, g);
        faults.sections[g] = section_fault(section == nullptr ? std::string_view{} : *section);
        faults.buckling_factors[g] = number_fault(setting_text(settings.buckling_factors, kGroupKeys[g]));
        faults.bracing[g] = number_fault(setting_text(settings.bracing, kGroupKeys[g]));
        const std::string* list = setting_text(settings.candidates, kGroupKeys[g]);
        if (list == nullptr || !sections_read) continue;
        const std::vector<std::string> names = candidate_names(*list);
        if (names.empty()) faults.candidates[g] = "names no section";
        for (const std::string& name : names) {
            if (std::string fault = section_fault(name); !fault.empty()) {
                faults.candidates[g] = name + ": " + fault;
                break;
            }
        }
    }
    for (std::size_t k = 0; k < kCaseKindCount; ++k) {
        const std::string* words = setting_text(settings.load_duration, load_case::kCaseKinds[k].key);
        if (words == nullptr || !code || duration_from_words(*code, *words)) continue;
        std::string names;
        for (std::size_t d = 0; d < kDurationCount; ++d)
            names += (names.empty() ? "" : ", ") + std::string(duration_words(*code, static_cast<LoadDuration>(d)));
        faults.durations[k] = engine::quoted_text(*words) + " is not one of " + names;
    }
    for (std::size_t f = 0; f < kPartialFactorKeys.size(); ++f) {
        const std::string* text = setting_text(settings.partial_factors, kPartialFactorKeys[f]);
        faults.partial_factors[f] = code && code != DesignCode::En1993 && text != nullptr
                                        ? "only EN 1993-1-1 takes partial factors"
                                        : number_fault(text);
    }
    for (const NamedText& entry : settings.members) {
        std::string fault = engine::member_from_name(entry.name) ? section_fault(entry.text) : "no member of the truss";
        if (!fault.empty()) faults.members.push_back({entry.name, std::move(fault)});
    }
    return faults;
}

load_case::Project set_serviceability(load_case::Project project, std::vector<std::string> combinations) {
    design_block(project).serviceability = std::move(combinations);
    return project;
}

load_case::Project set_deflection_limit(load_case::Project project, std::string divisor) {
    design_block(project).deflection_limit = std::move(divisor);
    return project;
}

load_case::Project set_combination_deflection_limit(load_case::Project project, std::string_view combination,
                                                    std::string divisor) {
    put(design_block(project).deflection_limits, combination, std::move(divisor), true);
    return project;
}

load_case::Project set_roof_deflection_limits(load_case::Project project, load_case::Ceiling ceiling) {
    for (const std::string& name : design_block(project).serviceability) {
        const auto index = load_case::combination_index(project, name);
        if (!index) continue;  // the deflection check names it
        const load_case::RoofCheck check = load_case::roof_check(project, project.combinations[*index]);
        put(project.design->deflection_limits, name, std::to_string(load_case::ibc_roof_limit(ceiling, check)), true);
    }
    return project;
}

std::variant<load_case::Project, DesignError> use_lightest_sections(load_case::Project project) {
    if (!project.design) return DesignError{"the project has no \"design\""};
    // Any section of the code stands in for one that does not read: the search never uses it.
    load_case::Project trial = project;
    const auto code = design_code_from_key(trial.design->code);
    const auto material = material_from_name(trial.design->material);
    if (code && material && code_accepts(*code, *material)) {
        const std::string stand_in = default_candidates(*code).front();
        for (std::size_t g = 0; g < kGroupCount; ++g) {
            const std::string* own = group_section(*trial.design, g);
            if (own == nullptr ||
                std::holds_alternative<std::string>(read_section(*own, *material, code_row(*code).system)))
                trial = set_group_section(std::move(trial), g, stand_in);
        }
    }
    auto read = read_design(trial);
    if (auto* error = std::get_if<DesignError>(&read)) return DesignError{"the project's design: " + error->message};
    const Design& design = std::get<Design>(read);
    auto extremes = force_extremes(trial, design);
    if (auto* error = std::get_if<load_case::ProjectError>(&extremes)) return DesignError{error->message};
    const auto choices = lightest_sections(std::get<ForceExtremes>(extremes), design);
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        if (choices[g].candidate)
            project = set_group_section(std::move(project), g, design.candidates[g][*choices[g].candidate].name);
    }
    return project;
}

}  // namespace korvel::design
