#include "design/design_edits.hpp"

#include <algorithm>

namespace korvel::design {
namespace {

load_case::DesignSettings& design_block(load_case::Project& project) {
    if (!project.design) project.design.emplace();
    return *project.design;
}

template <typename Settings>
auto* section_entry(Settings& settings, std::size_t group) {
    const auto found =
        std::find_if(settings.sections.begin(), settings.sections.end(),
                     [group](const load_case::NamedText& entry) { return entry.name == kGroupKeys[group]; });
    return found == settings.sections.end() ? nullptr : &*found;
}

const Material* first_material_of(DesignCode code) {
    const auto found =
        std::find_if(kMaterials.begin(), kMaterials.end(), [code](const Material& m) { return code_accepts(code, m); });
    return found == kMaterials.end() ? nullptr : &*found;
}

}  // namespace

const std::string* group_section(const load_case::DesignSettings& settings, std::size_t group) {
    const load_case::NamedText* entry = section_entry(settings, group);
    return entry == nullptr ? nullptr : &entry->text;
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
    load_case::DesignSettings& settings = design_block(project);
    if (load_case::NamedText* entry = section_entry(settings, group))
        entry->text = std::move(text);
    else
        settings.sections.push_back({std::string(kGroupKeys[group]), std::move(text)});
    return project;
}

load_case::Project set_serviceability(load_case::Project project, std::vector<std::string> combinations) {
    design_block(project).serviceability = std::move(combinations);
    return project;
}

load_case::Project set_deflection_limit(load_case::Project project, std::string divisor) {
    design_block(project).deflection_limit = std::move(divisor);
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
