#include "design/project_design.hpp"

#include <cmath>

#include "design/design_table.hpp"

namespace korvel::design {

std::variant<ProjectDesign, DesignError> design_project(const load_case::Project& project) {
    auto read = read_design(project);
    if (auto* error = std::get_if<DesignError>(&read)) return DesignError{"the project's design: " + error->message};
    ProjectDesign answer{std::get<Design>(std::move(read)), {}, {}, std::nullopt};
    auto extremes = force_extremes(project, answer.design);
    if (auto* error = std::get_if<load_case::ProjectError>(&extremes)) return DesignError{error->message};
    const auto& forces = std::get<ForceExtremes>(extremes);
    answer.result = design_members(forces, answer.design);
    answer.lightest = lightest_sections(forces, answer.design);
    if (auto deflection = design_deflections(project, answer.design)) {
        if (auto* error = std::get_if<std::string>(&*deflection)) return DesignError{"the project's design: " + *error};
        answer.deflection = std::get<DeflectionCheck>(std::move(*deflection));
    }
    return answer;
}

std::string lightest_words(const ProjectDesign& answer, std::size_t group) {
    const GroupChoice& choice = answer.lightest[group];
    if (!choice.candidate) {
        return "nothing in the list passes; " + std::string(engine::member_name(choice.governing)) +
               " fails with every candidate (least utilisation " +
               (std::isinf(choice.utilisation) ? std::string(kNotCheckedWords) : design_number(choice.utilisation, 3)) +
               ")";
    }
    return section_title(answer.design, answer.design.candidates[group][*choice.candidate]) + ", utilisation " +
           design_number(choice.utilisation, 3) + " in " + std::string(engine::member_name(choice.governing));
}

std::string design_verdict(const DesignResult& result) {
    std::size_t failing = 0;
    for (const MemberDesign& m : result.members) failing += m.passes ? 0 : 1;
    if (result.passes) return "Result: every member passes";
    if (failing > 0) return "Result: " + std::to_string(failing) + " of 29 members fail or are not checked";
    return "Result: incomplete, a combination could not be analysed";
}

}  // namespace korvel::design
