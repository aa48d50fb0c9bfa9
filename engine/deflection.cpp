#include "engine/deflection.hpp"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "engine/result_table.hpp"
#include "engine/truss_geometry.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::engine {

std::optional<std::size_t> deflection_point_index(Node node, Component component) {
    for (std::size_t i = 0; i < kDeflectionPointCount; ++i)
        if (kDeflectionPoints[i].node == node && kDeflectionPoints[i].component == component) return i;
    return std::nullopt;
}

std::variant<VirtualForces, AnalysisError> virtual_forces(const std::string& span, const RoofPitch& pitch) {
    VirtualForces forces;
    for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
        AnalysisInput input;
        input.span = span;
        input.pitch = pitch;
        input.set_load(kDeflectionPoints[p].node, kDeflectionPoints[p].component, std::string(kVirtualLoadText));
        AnalysisOutcome outcome = run_analysis(input);
        if (auto* error = std::get_if<AnalysisError>(&outcome)) return std::move(*error);
        const auto& result = std::get<AnalysisResult>(outcome);
        for (const Member m : kMembers) forces.unit_forces[p][to_index(m)] = result.force(m).to_double() / kVirtualLoad;
    }
    // The span and slope as the analysis used them (the analysis has read them already).
    const TrussGeometry geometry = derive_geometry(span, pitch);
    forces.span = geometry.span.to_double();
    for (const Member m : kMembers) {
        const auto [first, second] = member_ends(m);
        const ShapePoint a = node_position(first, geometry.tangent);
        const ShapePoint b = node_position(second, geometry.tangent);
        forces.lengths[to_index(m)] = forces.span * std::hypot(b.x - a.x, b.y - a.y);
    }
    return forces;
}

namespace {

double term(double force, double unit_force, double length, const MemberStiffness& section, Member member) {
    const double axial_stiffness = section.modulus * section.area;
    if (!(axial_stiffness > 0)) {
        throw std::invalid_argument("member " + std::string(member_name(member)) + " has no axial stiffness E·A");
    }
    return force * unit_force * length / axial_stiffness;
}

}  // namespace

Deflections deflections(const VirtualForces& virtual_forces, const AnalysisResult& loads,
                        const TrussStiffness& stiffness) {
    Deflections result{};
    for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
        double sum = 0;
        for (const Member m : kMembersInTableOrder) {
            const std::size_t i = to_index(m);
            sum += term(loads.force(m).to_double(), virtual_forces.unit_forces[p][i], virtual_forces.lengths[i],
                        stiffness[i], m);
        }
        result[p] = sum;
    }
    return result;
}

Deflections combined_deflections(std::span<const Deflections> cases, std::span<const double> factors) {
    if (cases.size() != factors.size()) throw std::invalid_argument("a factor for every case's deflections");
    Deflections result{};
    for (std::size_t c = 0; c < cases.size(); ++c)
        for (std::size_t p = 0; p < kDeflectionPointCount; ++p) result[p] += factors[c] * cases[c][p];
    return result;
}

LargestDeflection largest_vertical(const Deflections& deflections) {
    LargestDeflection largest;
    for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
        if (kDeflectionPoints[p].component != Component::Vertical) continue;
        if (std::fabs(deflections[p]) > std::fabs(largest.value)) largest = {p, deflections[p]};
    }
    return largest;
}

VirtualWork virtual_work(const VirtualForces& virtual_forces, const AnalysisResult& loads,
                         const TrussStiffness& stiffness, std::size_t point) {
    VirtualWork work{kDeflectionPoints.at(point), {}, 0};
    for (std::size_t row = 0; row < kMemberCount; ++row) {
        const Member m = kMembersInTableOrder[row];
        const std::size_t i = to_index(m);
        const Fixed4 force = loads.force(m);
        const double n = virtual_forces.unit_forces[point][i];
        const double length = virtual_forces.lengths[i];
        work.lines[row] = {m, force, n, length, stiffness[i], term(force.to_double(), n, length, stiffness[i], m)};
        work.sum += work.lines[row].term;
    }
    return work;
}

std::string deflection_point_description(const DeflectionPoint& point) {
    const std::string node(node_name(point.node));
    return point.component == Component::Vertical ? "vertical deflection of " + node : "horizontal movement of " + node;
}

namespace {

std::string with_unit(std::string_view heading, std::string_view unit) {
    std::string text(heading);
    if (!unit.empty()) text.append(" (").append(unit).append(")");
    return text;
}

// Enough digits that a student can check each product from the numbers shown.
constexpr int kWorkingDigits = 6;

}  // namespace

VirtualWorkTable virtual_work_table(const VirtualWork& work, TableUnits units) {
    VirtualWorkTable table;
    std::string description = deflection_point_description(work.point);
    description[0] = static_cast<char>(description[0] - 'a' + 'A');
    table.title = description + " by virtual work";
    const std::string area_unit = units.length.empty() ? std::string() : std::string(units.length) + "²";
    const std::string modulus_unit = units.force.empty() || units.length.empty()
                                         ? std::string()
                                         : std::string(units.force) + "/" + std::string(units.length) + "²";
    table.headings = {std::string(kMemberHeading),           with_unit("N", units.force), "n",
                      with_unit("L", units.length),          with_unit("A", area_unit),   with_unit("E", modulus_unit),
                      with_unit("N·n·L/(E·A)", units.length)};
    for (const VirtualWorkLine& line : work.lines) {
        table.rows.push_back(
            {std::string(member_name(line.member)), line.force.to_text(),
             significant_text(line.unit_force, kWorkingDigits), significant_text(line.length, kWorkingDigits),
             significant_text(line.section.area, kWorkingDigits),
             significant_text(line.section.modulus, kWorkingDigits), significant_text(line.term, kWorkingDigits)});
    }
    table.sum = "δ = Σ N·n·L/(E·A) = " + significant_text(work.sum, kWorkingDigits);
    if (!units.length.empty()) table.sum.append(" ").append(units.length);
    return table;
}

std::string significant_text(double value, int digits) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::to_string(value);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, digits - 1 - magnitude);
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return std::to_string(value);
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

}  // namespace korvel::engine
