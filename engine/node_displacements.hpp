#pragma once

#include <array>

#include "engine/deflection.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// How far a node moves: to the right and downward, as the loads and the
// deflections are signed.
struct NodeDisplacement {
    double right = 0;
    double down = 0;
};
using NodeDisplacements = std::array<NodeDisplacement, kNodeCount>;  // indexed by Node

// Every node's movement, U8 and U9 and the horizontal ones included, from the
// members' forces `forces` (tension positive, indexed by Member): each member
// lengthens by N·L/(E·A), and the nodes move so that every member's ends part by
// its lengthening along it, L0 pinned and L6 on its roller. For a truss that
// stands by statics alone this is the virtual-work deflection at every node and
// in both directions at once, without a unit load at nodes that take none.
// A member with E·A of zero or less is a fault of the caller (std::invalid_argument).
NodeDisplacements node_displacements(const VirtualForces& virtual_forces, double tangent,
                                     const std::array<double, kMemberCount>& forces, const TrussStiffness& stiffness);

}  // namespace korvel::engine
