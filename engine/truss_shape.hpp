#pragma once

#include "engine/truss_model.hpp"

namespace korvel::engine {

// A node's place in the truss drawn in true proportion, in units of the span:
// x from L0 to the right (L6 at 1), y upward from the bottom chord (U4 at the
// rise, t/2; 1/4 at 6:12).
struct ShapePoint {
    double x;
    double y;
};

// At the slope tangent t (1/2 at 6:12).
ShapePoint node_position(Node node, double tangent = 0.5);

// The two nodes a member joins, as its name says: L0U1 joins L0 and U1.
struct MemberEnds {
    Node first;
    Node second;
};

MemberEnds member_ends(Member member);

}  // namespace korvel::engine
