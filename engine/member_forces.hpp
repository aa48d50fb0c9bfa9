#pragma once

#include <span>
#include <string>

#include "engine/reactions.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {

// Writes the texts of the 29 axial forces (tension positive) in the order the
// analysis computes and writes them (the last 29 entries of kResultSlots).
void write_member_forces(const TrussGeometry& g, const NodeLoads& loads, const Reactions& reactions,
                         std::span<ResultText, kMemberCount> out);

}  // namespace korvel::engine
