#include "design/design_picture.hpp"

#include <cmath>
#include <cstdio>

#include "design/deflection_check.hpp"
#include "engine/deflection.hpp"
#include "load_case/combination.hpp"

namespace korvel::design {

UtilisationBand utilisation_band(const MemberDesign& member) {
    if (!member.checked) return UtilisationBand::NotChecked;
    if (member.utilisation > 1.0) return UtilisationBand::Over;
    if (member.utilisation >= 0.9) return UtilisationBand::Near;
    if (member.utilisation >= 0.5) return UtilisationBand::Working;
    return UtilisationBand::Light;
}

std::string utilisation_label(const MemberDesign& member) {
    if (!member.checked)
        return std::string(kUtilisationBandWords[static_cast<std::size_t>(UtilisationBand::NotChecked)]);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", member.utilisation);
    return text;
}

double exaggeration(double largest_movement, double span) {
    if (!(largest_movement > 0) || !(span > 0)) return 1;
    const double most = span / 20 / largest_movement;
    if (most <= 1) return 1;
    const double decade = std::pow(10.0, std::floor(std::log10(most)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * decade <= most) return step * decade;
    return decade;
}

std::string exaggeration_words(double factor) {
    return "deflections drawn " + engine::significant_text(factor, 6) + " × their size";
}

std::size_t governing_combination(const DeflectionCheck& check) {
    std::size_t governing = 0;
    for (std::size_t c = 1; c < check.combinations.size(); ++c) {
        if (std::fabs(check.combinations[c].largest.value) > std::fabs(check.combinations[governing].largest.value))
            governing = c;
    }
    return governing;
}

std::variant<DeformedShape, std::string> deformed_shape(const load_case::Project& project, const ProjectDesign& answer,
                                                        std::size_t index) {
    if (!answer.deflection || index >= answer.deflection->combinations.size())
        return std::string("no serviceability combination is checked");
    DeformedShape shape;
    shape.combination = answer.deflection->combinations[index].name;
    const std::optional<std::size_t> at = load_case::combination_index(project, shape.combination);
    if (!at) return "no combination is called " + shape.combination;
    auto analysed = load_case::analyse_combination(project, *at);
    if (const auto* error = std::get_if<load_case::ProjectError>(&analysed)) return error->message;
    const auto& outcome = std::get<engine::AnalysisOutcome>(analysed);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) return error->message();
    auto unit = engine::virtual_forces(project.span, project.pitch);
    if (const auto* error = std::get_if<engine::AnalysisError>(&unit)) return error->message();
    const auto& result = std::get<engine::AnalysisResult>(outcome);
    std::array<double, engine::kMemberCount> forces{};
    for (const engine::Member m : engine::kMembers) forces[engine::to_index(m)] = result.force(m).to_double();
    shape.moved = engine::node_displacements(std::get<engine::VirtualForces>(unit), result.tangent(), forces,
                                             member_stiffness(answer.design));
    for (std::size_t n = 0; n < engine::kNodeCount; ++n) {
        const double length = std::fabs(shape.moved[n].down);
        if (length > shape.largest) {
            shape.largest = length;
            shape.largest_node = static_cast<engine::Node>(n);
        }
    }
    // Of movements equal to the four digits shown (a symmetric roof's U3 and U5, whose unit-load
    // forces are rounded to four decimals), the node the deflection table names, with the table's value,
    // so that the picture and the table never show two figures for one deflection.
    const engine::LargestDeflection& checked_largest = answer.deflection->combinations[index].largest;
    const engine::DeflectionPoint checked = engine::kDeflectionPoints[checked_largest.point];
    if (checked.component == engine::Component::Vertical &&
        std::fabs(shape.moved[static_cast<std::size_t>(checked.node)].down) >= shape.largest * (1 - 1e-4)) {
        shape.largest_node = checked.node;
        shape.largest = std::fabs(checked_largest.value);
    }
    shape.factor = exaggeration(shape.largest, answer.deflection->span);
    return shape;
}

}  // namespace korvel::design
