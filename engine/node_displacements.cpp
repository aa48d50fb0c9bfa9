#include "engine/node_displacements.hpp"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "engine/truss_shape.hpp"

namespace korvel::engine {
namespace {

// The unknowns: both movements of every node but L0's two and L6's vertical.
constexpr std::size_t kUnknowns = 2 * kNodeCount - 3;
static_assert(kUnknowns == kMemberCount, "a truss that stands by statics has as many members as free movements");

// The unknown a node's movement is, or none where a support holds it.
int unknown_of(Node node, bool vertical) {
    if (node == Node::L0) return -1;
    if (node == Node::L6 && vertical) return -1;
    int index = 0;
    for (std::size_t n = 0; n < kNodeCount; ++n) {
        const auto here = static_cast<Node>(n);
        for (const bool v : {false, true}) {
            if (here == Node::L0 || (here == Node::L6 && v)) continue;
            if (here == node && v == vertical) return index;
            ++index;
        }
    }
    return -1;
}

}  // namespace

NodeDisplacements node_displacements(const VirtualForces& virtual_forces, double tangent,
                                     const std::array<double, kMemberCount>& forces, const TrussStiffness& stiffness) {
    // A row per member: (u_b − u_a)·direction = N·L/(E·A), with y upward in the shape.
    std::array<std::array<double, kUnknowns + 1>, kMemberCount> rows{};
    for (const Member m : kMembers) {
        const std::size_t i = to_index(m);
        const double ea = stiffness[i].modulus * stiffness[i].area;
        if (!(ea > 0)) throw std::invalid_argument("member " + std::string(member_name(m)) + " has no stiffness");
        const auto [a, b] = member_ends(m);
        const ShapePoint pa = node_position(a, tangent), pb = node_position(b, tangent);
        const double length = std::hypot(pb.x - pa.x, pb.y - pa.y);
        const double cx = (pb.x - pa.x) / length, cy = (pb.y - pa.y) / length;
        for (const auto& [node, sign] : {std::pair{a, -1.0}, std::pair{b, 1.0}}) {
            if (const int u = unknown_of(node, false); u >= 0) rows[i][static_cast<std::size_t>(u)] += sign * cx;
            if (const int v = unknown_of(node, true); v >= 0) rows[i][static_cast<std::size_t>(v)] += sign * cy;
        }
        rows[i][kUnknowns] = forces[i] * virtual_forces.lengths[i] / ea;
    }
    // Gaussian elimination with partial pivoting.
    for (std::size_t c = 0; c < kUnknowns; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < kUnknowns; ++r)
            if (std::fabs(rows[r][c]) > std::fabs(rows[pivot][c])) pivot = r;
        std::swap(rows[c], rows[pivot]);
        for (std::size_t r = c + 1; r < kUnknowns; ++r) {
            const double f = rows[r][c] / rows[c][c];
            for (std::size_t k = c; k <= kUnknowns; ++k) rows[r][k] -= f * rows[c][k];
        }
    }
    std::array<double, kUnknowns> solution{};
    for (std::size_t c = kUnknowns; c-- > 0;) {
        double sum = rows[c][kUnknowns];
        for (std::size_t k = c + 1; k < kUnknowns; ++k) sum -= rows[c][k] * solution[k];
        solution[c] = sum / rows[c][c];
    }
    NodeDisplacements moved{};
    for (std::size_t n = 0; n < kNodeCount; ++n) {
        const auto node = static_cast<Node>(n);
        if (const int u = unknown_of(node, false); u >= 0) moved[n].right = solution[static_cast<std::size_t>(u)];
        if (const int v = unknown_of(node, true); v >= 0) moved[n].down = -solution[static_cast<std::size_t>(v)];
    }
    return moved;
}

}  // namespace korvel::engine
