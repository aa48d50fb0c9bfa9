#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/deflection.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::engine {
namespace {

using LoadList = std::vector<std::pair<std::string, std::string>>;

AnalysisResult analyse(const std::string& span, const LoadList& loads, const RoofPitch& pitch = {}) {
    AnalysisInput input;
    input.span = span;
    input.pitch = pitch;
    for (const auto& [key, text] : loads) input.loads[*load_index_by_key(key)] = text;
    return std::get<AnalysisResult>(run_analysis(input));
}

VirtualForces virtual_forces_of(const std::string& span, const RoofPitch& pitch = {}) {
    auto outcome = virtual_forces(span, pitch);
    if (const auto* error = std::get_if<AnalysisError>(&outcome)) throw std::runtime_error(error->message());
    return std::get<VirtualForces>(outcome);
}

// The displacements of the same truss by the direct stiffness method: the
// nodes where the shape puts them, a pin at L0 and a roller at L6, solved by
// Gaussian elimination with partial pivoting. Independent of the analysis.
Deflections stiffness_solution(double span, double tangent, const TrussStiffness& stiffness, const LoadList& loads) {
    constexpr std::size_t kNodes = 16, kDofs = 2 * kNodes;
    std::vector<std::vector<double>> k(kDofs, std::vector<double>(kDofs + 1, 0.0));
    for (const Member m : kMembers) {
        const auto [a, b] = member_ends(m);
        const ShapePoint pa = node_position(a, tangent), pb = node_position(b, tangent);
        const double dx = (pb.x - pa.x) * span, dy = (pb.y - pa.y) * span;
        const double length = std::hypot(dx, dy), c = dx / length, s = dy / length;
        const double ea_l = stiffness[to_index(m)].modulus * stiffness[to_index(m)].area / length;
        const std::size_t dofs[4] = {2 * std::size_t(a), 2 * std::size_t(a) + 1, 2 * std::size_t(b),
                                     2 * std::size_t(b) + 1};
        const double direction[4] = {-c, -s, c, s};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) k[dofs[i]][dofs[j]] += ea_l * direction[i] * direction[j];
    }
    for (const auto& [key, text] : loads) {
        const LoadSlot& slot = kLoadMap[*load_index_by_key(key)];
        const double value = std::stod(text);
        // Loads push down and to the right; y points up.
        if (slot.component == Component::Vertical)
            k[2 * std::size_t(slot.node) + 1][kDofs] -= value;
        else
            k[2 * std::size_t(slot.node)][kDofs] += value;
    }
    const std::vector<std::size_t> fixed{2 * std::size_t(Node::L0), 2 * std::size_t(Node::L0) + 1,
                                         2 * std::size_t(Node::L6) + 1};
    for (const std::size_t d : fixed) {
        for (std::size_t j = 0; j <= kDofs; ++j) k[d][j] = 0;
        for (std::size_t i = 0; i < kDofs; ++i) k[i][d] = 0;
        k[d][d] = 1;
    }
    for (std::size_t col = 0; col < kDofs; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < kDofs; ++r)
            if (std::fabs(k[r][col]) > std::fabs(k[pivot][col])) pivot = r;
        std::swap(k[col], k[pivot]);
        for (std::size_t r = 0; r < kDofs; ++r) {
            if (r == col || k[r][col] == 0) continue;
            const double f = k[r][col] / k[col][col];
            for (std::size_t j = col; j <= kDofs; ++j) k[r][j] -= f * k[col][j];
        }
    }
    Deflections result{};
    for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
        const std::size_t node = std::size_t(kDeflectionPoints[p].node);
        result[p] = kDeflectionPoints[p].component == Component::Vertical
                        ? -k[2 * node + 1][kDofs] / k[2 * node + 1][2 * node + 1]
                        : k[2 * node][kDofs] / k[2 * node][2 * node];
    }
    return result;
}

// Sections by group, as a design assigns them, with a member or two made stiffer.
TrussStiffness by_group(MemberStiffness top, MemberStiffness bottom, MemberStiffness web) {
    TrussStiffness stiffness{};
    for (const Member m : kMembers) {
        const MemberGroup group = member_group(m);
        stiffness[to_index(m)] = group == MemberGroup::TopChord      ? top
                                 : group == MemberGroup::BottomChord ? bottom
                                                                     : web;
    }
    return stiffness;
}

struct Truss {
    const char* what;
    std::string span;
    std::string pitch;
    TrussStiffness stiffness;
    LoadList loads;
};

// C24 timber in N and mm (E 11,000 N/mm²), S355 tubes in kN and m (E 210,000,000 kN/m²), mixed sections.
const std::vector<Truss> kTrusses = [] {
    std::vector<Truss> trusses{
        {"timber roof, ceiling load, N and mm",
         "9000",
         "6:12",
         by_group({7050, 11000}, {5875, 11000}, {3525, 11000}),
         {{"U1.V", "1200"},
          {"U2.V", "1200"},
          {"U3.V", "1200"},
          {"U4.V", "1200"},
          {"U5.V", "1200"},
          {"U6.V", "1200"},
          {"U7.V", "1200"},
          {"L1.V", "400"},
          {"L2.V", "400"},
          {"L3.V", "400"}}},
        {"steel roof, wind from the left, kN and m",
         "14.4",
         "6:12",
         by_group({0.00164, 2.1e8}, {0.00124, 2.1e8}, {0.000579, 2.1e8}),
         {{"U1.H", "2.5"},
          {"U2.H", "2.5"},
          {"U3.H", "2.5"},
          {"U1.V", "-4.2"},
          {"U2.V", "-4.2"},
          {"U3.V", "-4.2"},
          {"U5.V", "1.1"},
          {"U7.V", "3"},
          {"L6.H", "-0.75"},
          {"L4.V", "6"}}},
        {"one point load, a different section in every member", "24", "6:12", {}, {{"U3.V", "10"}}},
    };
    for (std::size_t i = 0; i < kMemberCount; ++i) trusses.back().stiffness[i] = {0.001 * double(1 + i % 7), 1e7};
    // The same roofs at other pitches: the lengths and the unit forces follow the slope.
    for (const char* pitch : {"30", "40°", "4:12", "rise 2500"}) {
        trusses.push_back(trusses[trusses.size() % 3]);
        trusses.back().pitch = pitch;
    }
    return trusses;
}();

// Each deflection within 0.1% of the stiffness method's for the same truss (the
// analysis's angle, arctan ½ rounded to 0.4636, costs about 0.02%). Where a
// deflection is a small difference of larger parts (L3 under the wind, 2% of
// the largest) the 0.1% is of a tenth of the largest. The supports' vertical
// deflections are exactly zero.
TEST(Deflection, AgreesWithTheStiffnessMethodWithinATenthOfAPercent) {
    for (const Truss& truss : kTrusses) {
        const RoofPitch pitch = std::get<RoofPitch>(parse_pitch(truss.pitch));
        const VirtualForces unit = virtual_forces_of(truss.span, pitch);
        const Deflections ours = deflections(unit, analyse(truss.span, truss.loads, pitch), truss.stiffness);
        const double tangent = pitch.form == PitchForm::Rise ? 2 * pitch.rise.to_double() / unit.span : pitch.tangent;
        const Deflections exact = stiffness_solution(unit.span, tangent, truss.stiffness, truss.loads);
        const double largest = std::fabs(exact[largest_vertical(exact).point]);
        for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
            EXPECT_NEAR(ours[p], exact[p], 0.001 * std::max(std::fabs(exact[p]), 0.1 * largest))
                << truss.what << " at " << truss.pitch << ": " << deflection_point_description(kDeflectionPoints[p]);
        }
        EXPECT_EQ(ours[*deflection_point_index(Node::L0, Component::Vertical)], 0);
        EXPECT_EQ(ours[*deflection_point_index(Node::L6, Component::Vertical)], 0);
    }
}

// Worked as the unit-load method for trusses is set out in F. F. Udoeyo,
// Structural Analysis (open textbook), ch. 8 "Deflections of Structures:
// Work-Energy Methods", 8.1: N, n and L per member, δ = Σ N·n·L/(A·E).
// The hand solution at the default pitch (tan θ = ½): a load P at the apex reaches
// the supports along the chords alone, so every chord carries n = P·√5/2 (top,
// compression) or P (bottom, tension) per unit load, the webs nothing, and
// δ = (5/4·S√5/2 + S)·P/(E·A) = (5√5 + 8)·S/8 · P/(E·A): 19.18034 for S = 8, P = E·A = 1.
TEST(Deflection, OfTheApexLoadIsTheChordsHandSolution) {
    TrussStiffness unit_stiffness{};
    unit_stiffness.fill({1, 1});
    const Deflections d = deflections(virtual_forces_of("8"), analyse("8", {{"U4.V", "1"}}), unit_stiffness);
    const double hand = 5 * std::sqrt(5.0) + 8;
    EXPECT_NEAR(d[*deflection_point_index(Node::U4, Component::Vertical)], hand, 0.001 * hand);
    EXPECT_NEAR(d[*deflection_point_index(Node::L3, Component::Vertical)], hand, 0.001 * hand);
}

// A symmetric load on symmetric sections sags symmetrically and spreads the supports.
TEST(Deflection, OfASymmetricLoadMirrors) {
    const TrussStiffness& sections = kTrusses[0].stiffness;
    const LoadList symmetric{{"U1.V", "700"}, {"U7.V", "700"}, {"U2.V", "1300"}, {"U6.V", "1300"},
                             {"U3.V", "900"}, {"U5.V", "900"}, {"U4.V", "2000"}, {"L1.V", "350"},
                             {"L5.V", "350"}, {"L2.V", "150"}, {"L4.V", "150"},  {"L3.V", "500"}};
    const Deflections d = deflections(virtual_forces_of("9000"), analyse("9000", symmetric), sections);
    const std::pair<Node, Node> mirrors[]{
        {Node::L1, Node::L5}, {Node::L2, Node::L4}, {Node::U1, Node::U7}, {Node::U2, Node::U6}, {Node::U3, Node::U5}};
    for (const auto& [left, right] : mirrors) {
        const double a = d[*deflection_point_index(left, Component::Vertical)];
        const double b = d[*deflection_point_index(right, Component::Vertical)];
        // The analysis rounds the lever arms of each side on their own: 0.005% at most.
        EXPECT_NEAR(a, b, 5e-5 * std::fabs(a)) << node_name(left) << " and " << node_name(right);
    }
    EXPECT_GT(d[kRollerSpreadPoint], 0);
}

// The working's lines are the deflection's terms: their sum is the deflection.
TEST(Deflection, VirtualWorkTableSumsToTheDeflection) {
    const Truss& truss = kTrusses[0];
    const VirtualForces unit = virtual_forces_of(truss.span);
    const AnalysisResult loads = analyse(truss.span, truss.loads);
    const std::size_t l3 = *deflection_point_index(Node::L3, Component::Vertical);
    const VirtualWork work = virtual_work(unit, loads, truss.stiffness, l3);
    EXPECT_DOUBLE_EQ(work.sum, deflections(unit, loads, truss.stiffness)[l3]);
    const VirtualWorkTable table = virtual_work_table(work, {"N", "mm"});
    EXPECT_EQ(table.title, "Vertical deflection of L3 by virtual work");
    EXPECT_EQ(table.headings[5], "E (N/mm²)");
    ASSERT_EQ(table.rows.size(), kMemberCount);
    EXPECT_EQ(table.rows[0][0], "L0L1");
    EXPECT_EQ(table.rows[0][1], loads.force(Member::L0L1).to_text());
    EXPECT_EQ(table.sum, "δ = Σ N·n·L/(E·A) = " + significant_text(work.sum, 6) + " mm");
}

TEST(Deflection, RefusesAMemberWithoutStiffness) {
    TrussStiffness stiffness = kTrusses[0].stiffness;
    stiffness[to_index(Member::U4U8)].area = 0;
    EXPECT_THROW(deflections(virtual_forces_of("9000"), analyse("9000", {{"U4.V", "1"}}), stiffness),
                 std::invalid_argument);
    EXPECT_TRUE(std::holds_alternative<AnalysisError>(virtual_forces("nine metres")));
}

TEST(Deflection, SignificantText) {
    const std::pair<double, const char*> rows[]{
        {0.0123456, "0.01235"},   {-2.5, "-2.5"},         {0, "0"},       {11000, "11000"},
        {123456789, "123456789"}, {-0.00001, "-0.00001"}, {9.99996, "10"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(significant_text(value, 4), text) << value;
}

}  // namespace
}  // namespace korvel::engine
