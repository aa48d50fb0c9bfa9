#pragma once

#include <array>
#include <string>
#include <utility>

#include "engine/fixed4.hpp"
#include "engine/truss_geometry.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The 23 load components as Fixed4 values, addressed by node.
// A component the main window does not take (U8, U9, H at L1..L5) is zero.
class NodeLoads {
public:
    explicit NodeLoads(const std::array<Fixed4, kLoadCount>& values_in_load_map_order);
    Fixed4 H(Node node) const { return horizontal_[static_cast<std::size_t>(node)]; }  // positive to the right
    Fixed4 V(Node node) const { return vertical_[static_cast<std::size_t>(node)]; }    // positive downward

private:
    std::array<Fixed4, 16> horizontal_{};
    std::array<Fixed4, 16> vertical_{};
};

// H(node) and V(node) of `loads`, so that every formula reads as written: H(U1) * p.
inline auto load_components(const NodeLoads& loads) {
    return std::pair{[&loads](Node node) { return loads.H(node); }, [&loads](Node node) { return loads.V(node); }};
}

// Unrounded support reactions: RL0 and RL6 upward, HL0 to the left.
struct Reactions {
    double RL0 = 0;
    double RL6 = 0;
    double HL0 = 0;
};

Reactions support_reactions(const TrussGeometry& g, const NodeLoads& loads);
template <typename Record>
Reactions support_reactions(const TrussGeometry& g, const NodeLoads& loads, Record& record);

}  // namespace korvel::engine
