#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// A member's area A and modulus E in units that agree with the loads and the
// span: E·A a force, A a length squared (kN/m² and m², say, for kN and m).
struct MemberStiffness {
    double area = 0;
    double modulus = 0;
};
using TrussStiffness = std::array<MemberStiffness, kMemberCount>;  // indexed by Member

// Where a deflection is measured: a node that takes a load, in the direction of
// one of its load components (vertical positive downward, horizontal positive
// to the right, as the loads are).
struct DeflectionPoint {
    Node node;
    Component component;
};

// The vertical deflection of every node that takes a load, L0..L6 then U1..U7,
// and the horizontal movement of the roller L6 (how far the supports spread).
// U8 and U9 take no load, so no unit load can be put there and they have none.
inline constexpr std::size_t kDeflectionPointCount = 15;
inline constexpr std::array<DeflectionPoint, kDeflectionPointCount> kDeflectionPoints{{
    {Node::L0, Component::Vertical},
    {Node::L1, Component::Vertical},
    {Node::L2, Component::Vertical},
    {Node::L3, Component::Vertical},
    {Node::L4, Component::Vertical},
    {Node::L5, Component::Vertical},
    {Node::L6, Component::Vertical},
    {Node::U1, Component::Vertical},
    {Node::U2, Component::Vertical},
    {Node::U3, Component::Vertical},
    {Node::U4, Component::Vertical},
    {Node::U5, Component::Vertical},
    {Node::U6, Component::Vertical},
    {Node::U7, Component::Vertical},
    {Node::L6, Component::Horizontal},
}};
inline constexpr std::size_t kRollerSpreadPoint = kDeflectionPointCount - 1;

std::optional<std::size_t> deflection_point_index(Node node, Component component);

// The analysis rounds every force to four decimals, which would leave the force
// of a unit load with as few as one significant digit. The virtual load is
// therefore this many units and its forces are divided by it afterwards: n keeps
// ten or more digits, and every moment of it stays far inside the fixed-point
// range for any span up to 10^8.
inline constexpr std::string_view kVirtualLoadText = "1000000";
inline constexpr double kVirtualLoad = 1e6;

// What a deflection needs that depends on the span alone: each member's length
// at the true geometry (the nodes where the shape puts them, at the span) and n,
// each member's force under a unit load at each point, from the program's own
// analysis of that load.
struct VirtualForces {
    double span = 0;
    std::array<double, kMemberCount> lengths{};
    std::array<std::array<double, kMemberCount>, kDeflectionPointCount> unit_forces{};
};

// The span and pitch are read as the analysis reads them; the analysis's error where it refuses them.
std::variant<VirtualForces, AnalysisError> virtual_forces(const std::string& span, const RoofPitch& pitch = {});

using Deflections = std::array<double, kDeflectionPointCount>;  // indexed as kDeflectionPoints

// δ = Σ N·n·L/(E·A) at every point, N the forces of `loads`. A member with
// E·A of zero or less is a fault of the caller's sections (std::invalid_argument).
Deflections deflections(const VirtualForces& virtual_forces, const AnalysisResult& loads,
                        const TrussStiffness& stiffness);

// Deflection is linear in the loads: the deflections of a combination are the
// sum of its cases' deflections times their factors.
Deflections combined_deflections(std::span<const Deflections> cases, std::span<const double> factors);

// The point of largest magnitude among the vertical deflections.
struct LargestDeflection {
    std::size_t point = 0;
    double value = 0;
};
LargestDeflection largest_vertical(const Deflections& deflections);

// One member's share of a deflection, as the table of the working shows it.
struct VirtualWorkLine {
    Member member;
    Fixed4 force;           // N, as the results show it
    double unit_force = 0;  // n
    double length = 0;      // L
    MemberStiffness section;
    double term = 0;  // N·n·L/(E·A)
};

struct VirtualWork {
    DeflectionPoint point;
    std::array<VirtualWorkLine, kMemberCount> lines;  // in the results table's order
    double sum = 0;                                   // the deflection
};

VirtualWork virtual_work(const VirtualForces& virtual_forces, const AnalysisResult& loads,
                         const TrussStiffness& stiffness, std::size_t point);

// The table of the working as texts, for every window, file and command-line
// format: the headings (with units where they are known), a row per member and
// the sum.
struct VirtualWorkTable {
    std::string title;                    // "Vertical deflection of L3 by virtual work"
    std::array<std::string, 7> headings;  // member, N, n, L, A, E, N·n·L/(E·A)
    std::vector<std::array<std::string, 7>> rows;
    std::string sum;  // "δ = Σ N·n·L/(E·A) = 0.01234"
};

// The units the table names in its headings; empty names leave them out.
struct TableUnits {
    std::string_view force;
    std::string_view length;
};

VirtualWorkTable virtual_work_table(const VirtualWork& work, TableUnits units = {});

// "vertical deflection of L3", "horizontal movement of L6".
std::string deflection_point_description(const DeflectionPoint& point);

// A deflection, or any number of the working, as text with `digits` significant
// digits, no exponent and no trailing zeros ("0.01234", "-2.5", "0").
std::string significant_text(double value, int digits);
inline constexpr int kDeflectionDigits = 4;

}  // namespace korvel::engine
