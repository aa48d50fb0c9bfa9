#include "design/deflection_check.hpp"

#include <algorithm>
#include <cmath>

#include "engine/arithmetic_error.hpp"
#include "engine/quoted_text.hpp"
#include "load_case/combination.hpp"

namespace korvel::design {

engine::TrussStiffness member_stiffness(const Material& material,
                                        const std::array<Section, engine::kMemberCount>& sections,
                                        ProjectUnitChoice units) {
    engine::TrussStiffness stiffness{};
    for (std::size_t m = 0; m < engine::kMemberCount; ++m) {
        const Section& section = sections[m];
        // The table's stress is N/mm² (MPa) or lbf/in² (psi); its lengths mm or in.
        const LengthUnit table_length = section.unit;
        const ForceUnit table_force = table_length == LengthUnit::mm ? ForceUnit::N : ForceUnit::lbf;
        const double to_length = conversion_factor(table_length, units.length);
        const double to_force = conversion_factor(table_force, units.force);
        stiffness[m].area = section.area * to_length * to_length;
        stiffness[m].modulus = material.e_mean * material.stress_to_code * to_force / (to_length * to_length);
    }
    return stiffness;
}

engine::TrussStiffness member_stiffness(const Design& design) {
    std::array<Section, engine::kMemberCount> sections;
    for (const engine::Member m : engine::kMembers) sections[engine::to_index(m)] = design.section_of(m);
    return member_stiffness(design.material, sections, design.units);
}

std::optional<std::variant<DeflectionCheck, std::string>> design_deflections(const load_case::Project& project,
                                                                             const Design& design) {
    if (!project.design || project.design->serviceability.empty()) return std::nullopt;
    const load_case::Creep creep = creep_of(design.code == DesignCode::En1995 && is_timber(design.material.kind),
                                            design.code == DesignCode::Nds2018Asd, design.service_class);
    return check_deflections(project, member_stiffness(design), creep, project.design->serviceability,
                             project.design->deflection_limit, project.design->deflection_limits);
}

load_case::Creep creep_of(bool en_1995, bool nds, int service_class) {
    if (en_1995) return {load_case::Creep::Rule::En1995, load_case::deformation_factor(service_class)};
    if (nds) return {load_case::Creep::Rule::Nds, load_case::kNdsCreepSeasonedDry};
    return {};
}

double span_over(double span, double deflection) { return deflection == 0 ? 0 : span / std::fabs(deflection); }

namespace {

// The span's divisor a limit's text gives; nothing where it is not a positive number.
std::optional<double> limit_divisor(std::string_view text) {
    double divisor = 0;
    try {
        divisor = engine::parse_double(text);
    } catch (const engine::ArithmeticError&) {
        return std::nullopt;
    }
    if (!(divisor > 0) || !std::isfinite(divisor)) return std::nullopt;
    return divisor;
}

std::string not_a_divisor(const std::string& what, std::string_view text) {
    return what + " " + engine::quoted_text(text) +
           " is not a positive number; write the span's divisor, such as \"300\" for span/300.";
}

}  // namespace

std::variant<DeflectionCheck, std::string> check_deflections(const load_case::Project& project,
                                                             const engine::TrussStiffness& stiffness,
                                                             const load_case::Creep& creep,
                                                             const std::vector<std::string>& serviceability,
                                                             const std::string& deflection_limit,
                                                             const std::vector<load_case::NamedText>& own_limits) {
    DeflectionCheck check;
    check.creep = creep;
    const std::string_view limit_text = deflection_limit_text(deflection_limit);
    const std::optional<double> divisor = limit_divisor(limit_text);
    if (!divisor) return not_a_divisor("The deflection limit", limit_text);
    check.divisor = *divisor;
    std::vector<double> own_divisors;  // in the order of own_limits
    for (const load_case::NamedText& own : own_limits) {
        if (!load_case::combination_index(project, own.name)) {
            return "The deflection limit of " + engine::quoted_text(own.name) +
                   " names no combination of the project; name one, or leave it out.";
        }
        const std::optional<double> own_divisor = limit_divisor(own.text);
        if (!own_divisor) return not_a_divisor("The deflection limit of " + engine::quoted_text(own.name), own.text);
        own_divisors.push_back(*own_divisor);
    }
    auto unit = engine::virtual_forces(project.span, project.pitch);
    if (const auto* error = std::get_if<engine::AnalysisError>(&unit)) return error->message();
    const auto& virtual_forces = std::get<engine::VirtualForces>(unit);
    check.span = virtual_forces.span;
    check.limit = check.span / check.divisor;

    auto cases = load_case::case_deflections(project, virtual_forces, stiffness);
    if (const auto* error = std::get_if<load_case::CaseDeflectionError>(&cases)) {
        return "Case " + engine::quoted_text(error->case_name) + ": " + error->error.message();
    }
    const auto& case_deflections = std::get<std::vector<engine::Deflections>>(cases);
    for (const std::string& name : serviceability) {
        const std::optional<std::size_t> index = load_case::combination_index(project, name);
        if (!index) {
            return "The serviceability combination " + engine::quoted_text(name) +
                   " is not a combination of the project.";
        }
        CombinationDeflection entry{
            name,
            load_case::combination_deflections(project, project.combinations[*index], case_deflections, creep),
            {},
            std::nullopt,
            check.divisor,
            check.limit,
            false,
            true};
        const auto own = std::find_if(own_limits.begin(), own_limits.end(),
                                      [&name](const load_case::NamedText& limit) { return limit.name == name; });
        if (own != own_limits.end()) {
            entry.divisor = own_divisors[static_cast<std::size_t>(own - own_limits.begin())];
            entry.limit = check.span / entry.divisor;
            entry.own_limit = true;
        }
        entry.largest = engine::largest_vertical(entry.deflections.instantaneous);
        entry.passes = std::fabs(entry.largest.value) <= entry.limit;
        if (entry.deflections.final) {
            entry.largest_final = engine::largest_vertical(*entry.deflections.final);
            entry.passes = entry.passes && std::fabs(entry.largest_final->value) <= entry.limit;
        }
        check.passes = check.passes && entry.passes;
        check.combinations.push_back(std::move(entry));
    }
    return check;
}

}  // namespace korvel::design
