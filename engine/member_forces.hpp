#pragma once

#include <array>
#include <string>

#include "engine/reactions.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {

// The texts of the 29 axial forces (tension positive) in the order the analysis
// computes and writes them (the last 29 entries of kResultSlots).
std::array<std::string, kMemberCount> member_force_texts(const TrussGeometry& g, const NodeLoads& loads,
                                                          const Reactions& reactions);

}  // namespace korvel::engine
