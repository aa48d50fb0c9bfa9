#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/deflection.hpp"
#include "engine/node_displacements.hpp"

namespace korvel::engine {
namespace {

struct Loaded {
    VirtualForces unit;
    AnalysisResult result;
    std::array<double, kMemberCount> forces{};
};

Loaded loaded(const std::string& span, const std::vector<std::pair<const char*, const char*>>& loads) {
    AnalysisInput input;
    input.span = span;
    for (const auto& [key, text] : loads) input.loads[*load_index_by_key(key)] = text;
    Loaded l{std::get<VirtualForces>(virtual_forces(span)), std::get<AnalysisResult>(run_analysis(input)), {}};
    for (const Member m : kMembers) l.forces[to_index(m)] = l.result.force(m).to_double();
    return l;
}

TrussStiffness uniform(double ea) {
    TrussStiffness s{};
    s.fill({ea, 1});
    return s;
}

// Every node's movement agrees with the virtual-work deflection wherever a unit
// load can stand (the 15 points), for a symmetric and a lopsided load, within the
// 0.1% (of a tenth of the largest at least) that the analysis's rounded angle costs.
TEST(NodeDisplacements, AgreeWithTheVirtualWorkDeflections) {
    const std::vector<std::vector<std::pair<const char*, const char*>>> cases{
        {{"U2.V", "4"}, {"U4.V", "10"}, {"U6.V", "4"}},
        {{"U1.H", "2.5"}, {"U3.V", "-4.2"}, {"L4.V", "6"}, {"L6.H", "-0.75"}}};
    TrussStiffness stiffness = uniform(2000);
    stiffness[to_index(Member::U4U8)] = {900, 1};
    for (const auto& loads : cases) {
        const Loaded l = loaded("14.4", loads);
        const Deflections expected = deflections(l.unit, l.result, stiffness);
        const NodeDisplacements moved = node_displacements(l.unit, l.result.tangent(), l.forces, stiffness);
        const double largest = std::fabs(largest_vertical(expected).value);
        for (std::size_t p = 0; p < kDeflectionPointCount; ++p) {
            const DeflectionPoint point = kDeflectionPoints[p];
            const NodeDisplacement& d = moved[static_cast<std::size_t>(point.node)];
            EXPECT_NEAR(point.component == Component::Vertical ? d.down : d.right, expected[p],
                        1e-3 * std::max(std::fabs(expected[p]), 0.1 * largest))
                << deflection_point_description(point);
        }
    }
}

// The apex load on a truss of E·A = 1 at S = 8: the webs carry nothing, so the
// chords' hand solution of deflection_test (5√5 + 8) holds at the apex; U8 and
// U9, where no unit load can stand, mirror each other, sag alike and move apart.
TEST(NodeDisplacements, OfTheApexLoadMirrorAtU8AndU9) {
    const Loaded l = loaded("8", {{"U4.V", "1"}});
    const NodeDisplacements moved = node_displacements(l.unit, l.result.tangent(), l.forces, uniform(1));
    const double hand = 5 * std::sqrt(5.0) + 8;
    EXPECT_NEAR(moved[static_cast<std::size_t>(Node::U4)].down, hand, 0.001 * hand);
    const NodeDisplacement u8 = moved[static_cast<std::size_t>(Node::U8)];
    const NodeDisplacement u9 = moved[static_cast<std::size_t>(Node::U9)];
    const NodeDisplacement l6 = moved[static_cast<std::size_t>(Node::L6)];
    EXPECT_NEAR(u8.down, u9.down, 1e-6 * u8.down);
    EXPECT_GT(u8.down, 0);
    // The bottom chord stretches by 8 in all: L6 moves 8 and the picture is the mirror about the middle.
    EXPECT_NEAR(l6.right, 8, 1e-3);
    EXPECT_NEAR(u8.right + u9.right, l6.right, 1e-6 * l6.right);
    TrussStiffness none = uniform(1);
    none[0].area = 0;
    EXPECT_THROW(node_displacements(l.unit, l.result.tangent(), l.forces, none), std::invalid_argument);
}

}  // namespace
}  // namespace korvel::engine
