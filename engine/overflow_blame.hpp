#pragma once

#include <array>

#include "engine/analysis.hpp"
#include "engine/fixed4.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {

// Traces an overflow met by the arithmetic of a run to the inputs whose size
// decides it: one load (the largest) when it overflows on its own, the loads
// together when only their sum does, or the span with the loads when the same
// loads compute on a unit span. Spans of 1 or less are never blamed, since a
// smaller span does not shrink the forces.
AnalysisError blame_overflow(const AnalysisInput& input, const TrussGeometry& geometry,
                             const std::array<Fixed4, kLoadCount>& loads);

}  // namespace korvel::engine
