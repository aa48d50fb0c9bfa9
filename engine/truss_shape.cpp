#include "engine/truss_shape.hpp"

namespace korvel::engine {

// The top chord rises at t in four equal panels to the apex, so U1 to U4 stand
// at eighths of the span; a short web meets the top chord at a right angle,
// which puts L1 at (1 + t²)/8 of the span, and U8 halfway from L2 to U4. At
// t = 1/2 every node lies exactly on a grid of thirty-seconds of the span.
ShapePoint node_position(Node node, double tangent) {
    const double t = tangent;
    const double to_l1 = (1 + t * t) / 8;
    const double to_u8 = (3 + t * t) / 8;
    switch (node) {
        case Node::L0: return {0, 0};
        case Node::L1: return {to_l1, 0};
        case Node::L2: return {2 * to_l1, 0};
        case Node::L3: return {0.5, 0};
        case Node::L4: return {1 - 2 * to_l1, 0};
        case Node::L5: return {1 - to_l1, 0};
        case Node::L6: return {1, 0};
        case Node::U1: return {1 / 8.0, t / 8};
        case Node::U2: return {2 / 8.0, 2 * t / 8};
        case Node::U3: return {3 / 8.0, 3 * t / 8};
        case Node::U4: return {4 / 8.0, 4 * t / 8};
        case Node::U5: return {5 / 8.0, 3 * t / 8};
        case Node::U6: return {6 / 8.0, 2 * t / 8};
        case Node::U7: return {7 / 8.0, t / 8};
        case Node::U8: return {to_u8, 2 * t / 8};
        case Node::U9: return {1 - to_u8, 2 * t / 8};
    }
    return {0, 0};
}

MemberEnds member_ends(Member member) {
    const std::string_view name = member_name(member);
    return {*node_from_name(name.substr(0, 2)), *node_from_name(name.substr(2, 2))};
}

}  // namespace korvel::engine
