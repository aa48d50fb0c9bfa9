#pragma once

#include <array>

#include "engine/reactions.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {

// The 29 axial forces (tension positive) as displayed, indexed by Member.
std::array<Fixed4, kMemberCount> member_forces(const TrussGeometry& g, const NodeLoads& loads,
                                               const Reactions& reactions);

}  // namespace korvel::engine
